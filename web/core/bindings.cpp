// SPDX-License-Identifier: GPL-3.0-or-later
// What the page can ask of the core: the list of programs, one program
// opened by name, and the hash of a recorded session replayed here, which
// must equal the desktop's.
#include "opened_program.h"

#include "programs/registry.h"
#include "shell/drawing/painter_contract.h"
#include "shell/pulse/pulse_file.h"
#include "shell/state/commands.h"
#include "shell/state/zoom_steps.h"
#include "shell/window/session.h"

#include <emscripten/bind.h>

#include <cstdint>
#include <fstream>
#include <vector>
#include <utility>

using emscripten::val;

namespace ondel::web {

namespace {

// [{name, summaryJa, summaryEn}] in the order of the list.
val programList()
{
    val list = val::array();
    for (const ProgramDescription &description : builtInPrograms().all()) {
        val entry = val::object();
        entry.set("name", description.identity.name);
        entry.set("summaryJa", description.identity.summaryJa);
        entry.set("summaryEn", description.identity.summaryEn);
        list.call<void>("push", entry);
    }
    return list;
}

// The named program, or null (the page owns it: delete() when done).
OpenedProgram *openProgram(const std::string &name)
{
    auto program = makeProgram(name);
    return program ? new OpenedProgram(std::move(program)) : nullptr;
}

// Puts the files a session loads ({name: [bytes]}) into the working folder,
// where its typed names find them; the program pages have only the shipped data.
void writeSessionFiles(const val &files)
{
    const val names = val::global("Object").call<val>("keys", files);
    for (unsigned i = 0; i < names["length"].as<unsigned>(); ++i) {
        const std::string name = names[i].as<std::string>();
        const std::vector<std::uint8_t> bytes = emscripten::convertJSArrayToNumberVector<std::uint8_t>(files[name]);
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
}

// {hash} for a session replayed to its end, with the files it loads, else {error}.
val recordedSessionHash(const std::string &name, const std::string &text, const val &files)
{
    writeSessionFiles(files);
    val out = val::object();
    auto program = makeProgram(name);
    if (!program) {
        out.set("error", "unknown program " + name);
        return out;
    }
    const auto parsed = parseSession(text);
    if (const auto *error = std::get_if<std::string>(&parsed)) {
        out.set("error", *error);
        return out;
    }
    if (auto hash = sessionHash(*program, std::get<SessionScript>(parsed)))
        out.set("hash", *hash);
    else
        out.set("error", std::string("the session names a control the program lacks"));
    return out;
}

// The window's sizes in percent, for the bar's choice of size.
val zoomSteps()
{
    val list = val::array();
    for (const int percent : zoom::steps)
        list.call<void>("push", percent);
    return list;
}

// What the canvas painter must do as the desktop's does (painter_contract.h):
// {twipsPerPixel, background, largestSpriteRadius, margin, thinnestLine,
// thickestLine, opcodes: {clear, lineWidth, line, circle, text},
// showsAsDot(radius, rimWidth)}.
val painterContract()
{
    using painting::Opcode;
    val opcodes = val::object();
    for (const auto &[name, op] :
         {std::pair{"clear", Opcode::clear}, std::pair{"lineWidth", Opcode::lineWidth}, std::pair{"line", Opcode::line},
          std::pair{"circle", Opcode::circle}, std::pair{"text", Opcode::text}})
        opcodes.set(name, static_cast<int>(op));
    val contract = val::object();
    contract.set("twipsPerPixel", painting::twipsPerPixel);
    contract.set("background", painting::background);
    contract.set("largestSpriteRadius", painting::largestSpriteRadius);
    contract.set("margin", painting::margin);
    contract.set("thinnestLine", painting::thinnestLine);
    contract.set("thickestLine", painting::thickestLine);
    contract.set("opcodes", opcodes);
    contract.set("showsAsDot", val::module_property("circleShowsAsDot"));
    return contract;
}

} // namespace

EMSCRIPTEN_BINDINGS(ondel_core)
{
    using namespace emscripten;
    function("programList", &programList);
    function("openProgram", &openProgram, allow_raw_pointers());
    function("sessionHash", &recordedSessionHash);
    function("zoomSteps", &zoomSteps);
    function("painterContract", &painterContract);
    function("circleShowsAsDot", &painting::showsAsDot);
    // No more of a chosen file than this and one byte is ever needed: the
    // reader refuses anything larger on its first MiB alone.
    constant("maxPulseFileBytes", static_cast<double>(maxPulseFileBytes));
    // The action of the text box that shows the pulse file's name.
    constant("pulseFileNameAction", static_cast<int>(Action::PulseFileName));
    // The action that reads the named pulse file: served, it waits for the
    // shipped files while they are still coming.
    constant("loadPulseAction", static_cast<int>(Action::LoadPulse));
    // The action of the speed bar, which + and - move a page.
    constant("speedAction", static_cast<int>(Action::Speed));
    // The lesson tools' actions, which the bar's buttons and choices reach.
    constant("toggleStrobeAction", static_cast<int>(Action::ToggleStrobe));
    constant("toggleAnnotationsAction", static_cast<int>(Action::ToggleAnnotations));
    constant("strobeCountAction", static_cast<int>(Action::StrobeCount));
    constant("strobeSpacingAction", static_cast<int>(Action::StrobeSpacing));
    // A picture saved for a worksheet has this many pixels to the window's one.
    constant("savedImageScale", savedImageScale);
    class_<OpenedProgram>("OpenedProgram")
        .function("layout", &OpenedProgram::layout)
        .function("perform", &OpenedProgram::perform)
        .function("setValue", &OpenedProgram::setValue)
        .function("setText", &OpenedProgram::setText)
        .function("openPulseData", &OpenedProgram::openPulseData)
        .function("loadsPulseFiles", &OpenedProgram::loadsPulseFiles)
        .function("pulseFileName", &OpenedProgram::pulseFileName)
        .function("drawsPulse", &OpenedProgram::drawsPulse)
        .function("drawnPulseFile", &OpenedProgram::drawnPulseFile)
        .function("readingsFile", &OpenedProgram::readingsFile)
        .function("timeIndex", &OpenedProgram::timeIndex)
        .function("tick", &OpenedProgram::tick)
        .function("frame", &OpenedProgram::frame)
        .function("changedFrame", &OpenedProgram::changedFrame)
        .function("takePicture", &OpenedProgram::takePicture)
        .function("takeMessage", &OpenedProgram::takeMessage)
        .function("startRecording", &OpenedProgram::startRecording)
        .function("nextRecorded", &OpenedProgram::nextRecorded)
        .function("stopRecording", &OpenedProgram::stopRecording)
        .function("keys", &OpenedProgram::keys)
        .function("commands", &OpenedProgram::commands)
        .function("helpText", &OpenedProgram::helpText)
        .function("aboutText", &OpenedProgram::aboutText)
        .function("firstHint", &OpenedProgram::firstHint)
        .function("windowState", &OpenedProgram::windowState)
        .function("lessonTools", &OpenedProgram::lessonTools)
        .function("toggleMeasure", &OpenedProgram::toggleMeasure)
        .function("measureShown", &OpenedProgram::measureShown)
        .function("pointerDown", &OpenedProgram::pointerDown)
        .function("pointerMove", &OpenedProgram::pointerMove)
        .function("pointerUp", &OpenedProgram::pointerUp)
        .function("timerInterval", &OpenedProgram::timerInterval)
        .function("pictureVisible", &OpenedProgram::pictureVisible);
}

} // namespace ondel::web
