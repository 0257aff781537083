// SPDX-License-Identifier: GPL-3.0-or-later
// The keys every program obeys and the help that lists them: one table for
// both editions, keys kept free for later tools, and a help that names every
// control and every key that works in the program in front of the class.
#include "programs/registry.h"
#include "shell/window/help_text.h"
#include "shell/state/keys.h"
#include "shell/window/session.h"
#include "tests/support/shown_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <variant>

namespace ondel {
namespace {

TEST(KeyTable, EveryKeyIsNamedOnceAndDoesSomethingDescribed)
{
    std::set<std::string_view> names;
    for (const KeyBinding &binding : keyBindings()) {
        EXPECT_TRUE(names.insert(binding.name).second) << binding.name;
        if (const auto *action = std::get_if<Action>(&binding.target))
            EXPECT_FALSE(actionDescription(*action).empty()) << binding.name;
        else
            EXPECT_FALSE(commandSpec(std::get<WindowCommand>(binding.target)).help.empty()) << binding.name;
    }
}

TEST(KeyTable, LetterKeysAreNamedInCapitals)
{
    for (const char *free : {"s", "a"})
        EXPECT_EQ(findKey(free), nullptr) << free;
}

// Each key pressed twice, a few ticks apart, does in every program what its
// control does: the same frames, the same controls shown, and something
// other than pressing nothing. The window's own commands (help, files,
// zoom) are the front-ends' and are driven in their key tests.
TEST(KeyTable, KeysDoWhatTheirControlsDo)
{
    struct Row {
        const char *key;
        const char *control; // the event that does the same
        bool stoppedFirst;
    };
    const Row rows[] = {
        {"Page Down", "click Command3", false}, {"PageDown", "click Command3", false},
        {"Page Up", "click Command4", true},    {"PageUp", "click Command4", true},
        {"R", "click Command5", false},         {"Y", "click Command7", false},
        {"T", "click Command8", false},         {"1", "click Command1", false},
        {"2", "click Command2", false},
    };
    // With the longitudinal row shown, so that time moving shows.
    const auto twice = [](const Row &row, const std::string &event) {
        const std::string start = row.stoppedFirst ? "click Command2\nclick Command3\n" : "click Command2\n";
        return start + "tick 2\n" + event + "\ntick 3\n" + event + "\ntick 3\n";
    };
    for (const std::string &program : programNames()) {
        for (const Row &row : rows) {
            const std::string pressed = test_support::shownRecord(program, twice(row, std::string("key ") + row.key));
            // Compared whole, not printed: a record runs to many lines.
            EXPECT_TRUE(pressed == test_support::shownRecord(program, twice(row, row.control)))
                << program << ": " << row.key;
            EXPECT_TRUE(pressed != test_support::shownRecord(program, twice(row, "tick 1")))
                << program << ": " << row.key;
        }
        // + and - move the speed bar one page, towards a shorter and a longer interval.
        const int opening = makeProgram(program)->state().timerInterval;
        for (const auto &[key, interval] :
             {std::pair{"+", std::max(1, opening - scrollBarPageStep)}, std::pair{"-", opening + scrollBarPageStep}})
            EXPECT_TRUE(test_support::shownRecord(program, std::string("key ") + key + "\ntick 2\n") ==
                        test_support::shownRecord(program, "set HScroll1 " + std::to_string(interval) + "\ntick 2\n"))
                << program << ": " << key;
    }
    // The lesson tools have a key and no control.
    for (const char *key : {"S", "A"}) {
        const auto program = makeProgram("ondel5");
        EXPECT_TRUE(deliver(*program, {SessionEvent::Kind::Key, key, {}, 0})) << key;
        EXPECT_TRUE(key == std::string("S") ? program->lessonTools().strobe : program->lessonTools().annotations)
            << key;
    }
}

TEST(KeyTable, OnlySingleCharactersAreTypedIntoATextBox)
{
    EXPECT_TRUE(typesText(*findKey("1")));
    EXPECT_TRUE(typesText(*findKey("+")));
    EXPECT_TRUE(typesText(*findKey("R")));
    EXPECT_FALSE(typesText(*findKey("Page Down")));
    EXPECT_FALSE(typesText(*findKey("F1")));
    EXPECT_FALSE(typesText(*findKey("Ctrl+O")));
    EXPECT_FALSE(typesText(*findKey("Ctrl++")));
}

TEST(KeyTable, TheZoomKeysAreTheDesktopsAlone)
{
    // The browser zooms its page with the same keys; the page must not take them.
    const WindowLayout &layout = builtInPrograms().find("ondel8")->layout;
    for (const KeyBinding &binding : keyBindings()) {
        const bool zoom = binding.name == "Ctrl++" || binding.name == "Ctrl+-" || binding.name == "Ctrl+0";
        EXPECT_TRUE(keyServes(binding, Edition::Desktop)) << binding.name;
        EXPECT_EQ(keyServes(binding, Edition::Browser), !zoom) << binding.name;
        EXPECT_EQ(binding.desktopOnly, zoom) << binding.name;
        if (zoom) {
            EXPECT_TRUE(keyApplies(binding, layout, Edition::Desktop)) << binding.name;
            EXPECT_FALSE(keyApplies(binding, layout, Edition::Browser)) << binding.name;
        }
    }
}

TEST(KeyTable, OpeningAFileAppliesOnlyWhereTheProgramLoadsFiles)
{
    for (const ProgramDescription &program : builtInPrograms().all()) {
        const bool loads = bindsAction(program.layout, Action::LoadPulse);
        for (const Edition edition : {Edition::Desktop, Edition::Browser}) {
            EXPECT_EQ(keyApplies(*findKey("Ctrl+O"), program.layout, edition), loads) << program.identity.name;
            EXPECT_TRUE(keyApplies(*findKey("Page Down"), program.layout, edition)) << program.identity.name;
            EXPECT_TRUE(keyApplies(*findKey("+"), program.layout, edition)) << program.identity.name;
        }
    }
    EXPECT_FALSE(keyApplies(*findKey("Ctrl+O"), builtInPrograms().find("ondel10")->layout, Edition::Desktop));
}

TEST(KeyTable, SavingAPulseAppliesOnlyWhereOneIsDrawnAndAPictureEverywhere)
{
    for (const ProgramDescription &program : builtInPrograms().all()) {
        for (const Edition edition : {Edition::Desktop, Edition::Browser}) {
            EXPECT_EQ(keyApplies(*findKey("Ctrl+S"), program.layout, edition), program.identity.name == "ondel10")
                << program.identity.name;
            EXPECT_TRUE(keyApplies(*findKey("Ctrl+E"), program.layout, edition)) << program.identity.name;
        }
    }
}

TEST(CommandTable, SavedFilesAreNamedForTheProgram)
{
    const struct {
        WindowCommand command;
        const char *program;
        const char *file;
    } rows[] = {
        {WindowCommand::SavePulse, "ondel10", "pulse_drawn.csv"},
        {WindowCommand::SaveImage, "ondel8_dou", "ondel8_dou.png"},
        {WindowCommand::SaveData, "ondel3", "ondel3_data.csv"},
        {WindowCommand::OpenFile, "ondel8", ""},
        {WindowCommand::Help, "ondel8", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(suggestedFileName(row.command, row.program), row.file) << row.program;
}

TEST(CommandTable, EveryMenuPlaceAndKeyIsOnesAlone)
{
    std::set<int> places;
    for (const CommandSpec &entry : windowCommands()) {
        EXPECT_EQ(keyFor(entry.command)->name, entry.key) << entry.name;
        if (entry.menuPlace > 0)
            EXPECT_TRUE(places.insert(entry.menuPlace).second) << entry.name;
        // The browser has no menu: what it has of a command in the menu is on its bar.
        EXPECT_EQ(entry.menuPlace > 0 && !entry.desktopOnly, entry.bar != BarGroup::None) << entry.name;
    }
}

TEST(ButtonHint, CaptionAndKeyForAButtonWithAKey)
{
    const WindowLayout &layout = builtInPrograms().find("ondel8")->layout;
    EXPECT_EQ(controlHint(*layout.find("Command3")), "停止／　駒送り (Page Down)");
    EXPECT_EQ(controlHint(*layout.find("Command4")), "再開／停止 (Page Up)");
    EXPECT_EQ(controlHint(*layout.find("Command9")), ""); // 実行/再実行 has no key
    EXPECT_EQ(controlHint(*layout.find("HScroll1")), ""); // no button
}

class HelpText : public ::testing::TestWithParam<std::tuple<std::string, Edition>> {};

TEST_P(HelpText, NamesTheProgramItsControlsAndItsKeys)
{
    const auto &[name, edition] = GetParam();
    const ProgramDescription &program = *builtInPrograms().find(name);
    const std::string help = helpText(program, edition);
    EXPECT_NE(help.find(program.identity.summaryJa), std::string::npos);
    for (const ControlSpec &control : program.layout.controls) {
        if (control.action == Action::None)
            continue;
        if (control.kind == ControlKind::Button) {
            EXPECT_NE(help.find(control.caption), std::string::npos) << control.name;
        }
        EXPECT_NE(help.find(actionDescription(control.action)), std::string::npos) << control.name;
    }
    for (const KeyBinding &binding : keyBindings()) {
        const std::string line = "・" + std::string(binding.name) + ": ";
        EXPECT_EQ(help.find(line) != std::string::npos, keyApplies(binding, program.layout, edition)) << binding.name;
    }
    // The zoom keys on the desktop; in the browser the browser's own zoom.
    EXPECT_EQ(help.find("・Ctrl++: ") != std::string::npos, edition == Edition::Desktop);
    EXPECT_EQ(help.find("・Ctrl+0: ") != std::string::npos, edition == Edition::Desktop);
    // A key that clicks a control is named by that control's caption in this program.
    const std::string resume = "・Page Up: " + program.layout.find("Command4")->caption + " — ";
    EXPECT_NE(help.find(resume), std::string::npos);
    const bool typesInABox =
        bindsAction(program.layout, Action::PulseFileName) || bindsAction(program.layout, Action::Separation);
    EXPECT_EQ(help.find("文字の欄に入力している間") != std::string::npos, typesInABox);
    // Before any key: what to tap, and where the browser's bar or the desktop's menu keeps the rest.
    EXPECT_LT(help.find(edition == Edition::Browser ? "タップ" : "クリック"), help.find("【キー】"));
    EXPECT_NE(help.find(edition == Edition::Browser ? "上のバー" : "右クリックのメニュー"), std::string::npos);
    // The pulse programs make no standing wave: their annotations have no 腹・節, and they say so.
    const bool pulses = name == "ondel8" || name == "ondel8_dou" || name == "ondel9" || name == "ondel10";
    EXPECT_EQ(help.find("腹・節を書き入れません") != std::string::npos, pulses);
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, HelpText,
                         ::testing::Combine(::testing::ValuesIn(programNames()),
                                            ::testing::Values(Edition::Desktop, Edition::Browser)));

TEST(FirstHint, SaysWhatShowsTheRowsAndWhatSetsThemMoving)
{
    const std::string rows = "「横波」か「縦波」を押すと粒子の列が出ます。";
    const std::pair<std::string, std::string> cases[] = {
        {"ondel8", "「実行/再実行」を押すと動きます。"},
        {"ondel15", "「実行/再実行」を押すと動きます。"},
        {"ondel10", "スライドバーを動かすとパルスが送り出されます。"}, // no file to run: the bar makes the pulse
    };
    for (const auto &[name, then] : cases)
        EXPECT_EQ(firstHint(builtInPrograms().find(name)->layout), rows + then) << name;
}

TEST(AboutText, GivesTheVersionAndTheLicence)
{
    const std::string about = aboutText(*builtInPrograms().find("ondel9"), "1.0");
    EXPECT_NE(about.find("ondel9"), std::string::npos);
    EXPECT_NE(about.find("1.0"), std::string::npos);
    EXPECT_NE(about.find("GPL-3.0-or-later"), std::string::npos);
}

} // namespace
} // namespace ondel
