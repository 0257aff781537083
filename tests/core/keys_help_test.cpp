// SPDX-License-Identifier: GPL-3.0-or-later
// The keys every program obeys and the help that lists them: one table for
// both editions, keys kept free for later tools, and a help that names every
// control and every key that works in the program in front of the class.
#include "programs/registry.h"
#include "shell/window/help_text.h"
#include "shell/state/keys.h"

#include <gtest/gtest.h>

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

TEST(KeyTable, KeysReachTheirActionsAndCommands)
{
    using Target = std::variant<Action, WindowCommand>;
    const struct {
        const char *key;
        Target target;
    } rows[] = {
        {"Page Down", Action::StopOrStep},    {"Page Up", Action::Resume},         {"R", Action::Reverse},
        {"Y", Action::NextCurveMode},         {"T", Action::ToggleTrace},          {"1", Action::ToggleTransverse},
        {"2", Action::ToggleLongitudinal},    {"+", WindowCommand::Faster},        {"S", Action::ToggleStrobe},
        {"A", Action::ToggleAnnotations},     {"-", WindowCommand::Slower},        {"F1", WindowCommand::Help},
        {"F11", WindowCommand::FullScreen},   {"Ctrl+O", WindowCommand::OpenFile}, {"Ctrl+S", WindowCommand::SavePulse},
        {"Ctrl+E", WindowCommand::SaveImage}, {"Ctrl++", WindowCommand::ZoomIn},   {"Ctrl+-", WindowCommand::ZoomOut},
        {"Ctrl+0", WindowCommand::ZoomReset}, {"F2", WindowCommand::SaveData},     {"F8", WindowCommand::About},
    };
    for (const auto &row : rows) {
        const KeyBinding *binding = findKey(row.key);
        ASSERT_NE(binding, nullptr) << row.key;
        EXPECT_EQ(binding->target, row.target) << row.key;
    }
    EXPECT_EQ(keyFor(Action::StopOrStep)->name, "Page Down");
    EXPECT_EQ(keyFor(Action::LoadPulse), nullptr);
    EXPECT_EQ(keyFor(WindowCommand::Help)->name, "F1");
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
    for (const CommandSpec &spec : windowCommands()) {
        EXPECT_EQ(keyFor(spec.command)->name, spec.key) << spec.name;
        if (spec.menuPlace > 0)
            EXPECT_TRUE(places.insert(spec.menuPlace).second) << spec.name;
        // The browser has no menu: what it has of a command in the menu is on its bar.
        EXPECT_EQ(spec.menuPlace > 0 && !spec.desktopOnly, spec.bar != BarGroup::None) << spec.name;
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
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, HelpText,
                         ::testing::Combine(::testing::ValuesIn(programNames()),
                                            ::testing::Values(Edition::Desktop, Edition::Browser)));

TEST(AboutText, GivesTheVersionAndTheLicence)
{
    const std::string about = aboutText(*builtInPrograms().find("ondel9"), "1.0");
    EXPECT_NE(about.find("ondel9"), std::string::npos);
    EXPECT_NE(about.find("1.0"), std::string::npos);
    EXPECT_NE(about.find("GPL-3.0-or-later"), std::string::npos);
}

} // namespace
} // namespace ondel
