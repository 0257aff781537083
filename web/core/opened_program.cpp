// SPDX-License-Identifier: GPL-3.0-or-later
#include "opened_program.h"

#include "shell/window/help_text.h"
#include "shell/state/keys.h"
#include "shell/state/lesson_tools.h"

using emscripten::val;

namespace ondel::web {

namespace {

const char *kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
        return "Button";
    case ControlKind::Label:
        return "Label";
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::Option:
        return "Option";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::HScrollBar:
        return "HScrollBar";
    case ControlKind::VScrollBar:
        return "VScrollBar";
    case ControlKind::Picture:
        return "Picture";
    }
    return "Label";
}

val toJs(const Rect &r)
{
    val out = val::object();
    out.set("left", r.left);
    out.set("top", r.top);
    out.set("width", r.width);
    out.set("height", r.height);
    return out;
}

val toJs(const ControlSpec &c)
{
    val out = val::object();
    out.set("name", c.name);
    out.set("kind", std::string(kindName(c.kind)));
    out.set("caption", c.caption);
    out.set("rect", toJs(c.rect));
    out.set("tabIndex", c.tabIndex);
    // A control without its own font takes the window's.
    const FontSpec font = c.font.value_or(FontSpec{});
    val fontOut = val::object();
    fontOut.set("points", font.points);
    fontOut.set("weight", font.weight);
    out.set("font", fontOut);
    out.set("frame", c.frame);
    val range = val::object();
    range.set("minimum", c.range.minimum);
    range.set("maximum", c.range.maximum);
    range.set("value", c.range.value);
    out.set("range", range);
    out.set("checked", c.checked);
    out.set("action", static_cast<int>(c.action));
    out.set("hint", controlHint(c));
    out.set("title", controlTitle(c));
    return out;
}

const char *barGroupName(BarGroup group)
{
    switch (group) {
    case BarGroup::Files:
        return "files";
    case BarGroup::Window:
        return "window";
    case BarGroup::None:
        break;
    }
    return "";
}

// The bytes as a Uint8Array copy: a JS string would lose a byte order mark.
val toJs(const SavedFile &file)
{
    val out = val::object();
    if (file.bytes) {
        const auto *data = reinterpret_cast<const unsigned char *>(file.bytes->data());
        out.set("bytes", val::global("Uint8Array").new_(emscripten::typed_memory_view(file.bytes->size(), data)));
    } else {
        out.set("bytes", val::null());
    }
    out.set("message", file.message);
    return out;
}

// [{value, caption}] of a menu's choices.
val choicesOf(const std::vector<int> &values, std::string (*caption)(int))
{
    val out = val::array();
    for (const int value : values) {
        val choice = val::object();
        choice.set("value", value);
        choice.set("caption", caption(value));
        out.call<void>("push", choice);
    }
    return out;
}

} // namespace

val toJs(const EncodedDrawing &drawing)
{
    val out = val::object();
    // A copy: the view into the module's memory dies when the memory grows.
    const val view(emscripten::typed_memory_view(drawing.numbers.size(), drawing.numbers.data()));
    out.set("numbers", val::global("Float64Array").new_(view));
    val texts = val::array();
    for (const std::string &text : drawing.texts)
        texts.call<void>("push", text);
    out.set("texts", texts);
    return out;
}

OpenedProgram::OpenedProgram(std::unique_ptr<Demonstrator> program) : program_(std::move(program)) {}

val OpenedProgram::layout() const
{
    const ProgramIdentity &identity = program_->description().identity;
    const WindowLayout &layout = program_->layout();
    val out = val::object();
    out.set("name", identity.name);
    out.set("summaryJa", identity.summaryJa);
    out.set("summaryEn", identity.summaryEn);
    out.set("clientWidth", layout.clientWidth);
    out.set("clientHeight", layout.clientHeight);
    val controls = val::array();
    for (const ControlSpec &control : layout.controls)
        controls.call<void>("push", toJs(control));
    out.set("controls", controls);
    val textFont = val::object();
    textFont.set("points", frameTextFont.points);
    textFont.set("weight", frameTextFont.weight);
    out.set("frameTextFont", textFont);
    return out;
}

val OpenedProgram::keys() const
{
    val out = val::array();
    for (const KeyBinding &binding : keyBindings()) {
        // The page takes every key it is given, so the browser's own go unlisted.
        if (!keyServes(binding, Edition::Browser))
            continue;
        val key = val::object();
        key.set("name", std::string(binding.name));
        key.set("typesText", typesText(binding));
        key.set("applies", keyApplies(binding, program_->layout(), Edition::Browser));
        const auto *action = std::get_if<Action>(&binding.target);
        key.set("action", action ? static_cast<int>(*action) : -1);
        const auto *command = std::get_if<WindowCommand>(&binding.target);
        key.set("command", std::string(command ? commandSpec(*command).name : ""));
        out.call<void>("push", key);
    }
    return out;
}

val OpenedProgram::commands() const
{
    val out = val::array();
    for (const CommandSpec &entry : windowCommands()) {
        if (entry.desktopOnly)
            continue;
        val command = val::object();
        command.set("name", std::string(entry.name));
        command.set("caption", std::string(entry.caption));
        command.set("captionWhileOn", std::string(entry.captionWhileOn));
        command.set("key", std::string(entry.key));
        command.set("bar", std::string(barGroupName(entry.bar)));
        command.set("applies", commandApplies(entry.command, program_->layout(), Edition::Browser));
        command.set("fileName", suggestedFileName(entry.command, program_->description().identity.name));
        out.call<void>("push", command);
    }
    return out;
}

std::string OpenedProgram::helpText() const { return ondel::helpText(program_->description(), Edition::Browser); }

std::string OpenedProgram::firstHint() const { return ondel::firstHint(program_->description().layout); }

std::string OpenedProgram::aboutText() const { return ondel::aboutText(program_->description(), ONDEL_VERSION); }

val OpenedProgram::windowState() const
{
    const WindowState &s = program_->state();
    val out = val::object();
    out.set("runStep", s.runStep);
    out.set("direction", s.direction);
    out.set("transverseShown", s.transverseShown);
    out.set("longitudinalShown", s.longitudinalShown);
    out.set("yxMode", static_cast<int>(s.yxMode));
    out.set("tracing", s.ytColumn != 0);
    return out;
}

val OpenedProgram::lessonTools() const
{
    const LessonTools &tools = program_->lessonTools();
    val out = val::object();
    out.set("strobe", tools.strobe);
    out.set("annotations", tools.annotations);
    out.set("strobeCount", tools.strobeCount);
    out.set("strobeSpacing", tools.strobeSpacing);
    val titles = val::object();
    titles.set("strobe", std::string(strobeTitle));
    titles.set("annotations", std::string(annotationsTitle));
    titles.set("count", std::string(strobeCountTitle));
    titles.set("spacing", std::string(strobeSpacingTitle));
    out.set("titles", titles);
    out.set("counts", choicesOf(strobeCountChoices(), &strobeCountCaption));
    out.set("spacings", choicesOf(strobeSpacingChoices(program_->description().lessons), &strobeSpacingCaption));
    return out;
}

bool OpenedProgram::perform(int action) { return program_->perform(static_cast<Action>(action)); }

void OpenedProgram::setValue(int action, int value) { program_->setValue(static_cast<Action>(action), value); }

void OpenedProgram::setText(int action, const std::string &text)
{
    program_->setText(static_cast<Action>(action), text);
}

bool OpenedProgram::openPulseData(const std::string &bytes, const std::string &fileName)
{
    return program_->openPulseData(bytes, fileName);
}

val OpenedProgram::drawnPulseFile() const { return toJs(program_->drawnPulseFile()); }

val OpenedProgram::readingsFile() const { return toJs(program_->readingsFile()); }

void OpenedProgram::tick(int count)
{
    for (int k = 0; k < count; ++k) {
        program_->nextFrame();
        picture_.append(program_->takePictureOps());
    }
}

val OpenedProgram::frame() const
{
    EncodedDrawing drawing;
    drawing.append(program_->frame().ops());
    return toJs(drawing);
}

val OpenedProgram::changedFrame()
{
    EncodedDrawing drawing;
    drawing.append(program_->frame().ops());
    // Exact comparison: a NaN never equals itself, so such a frame is given
    // again, never lost.
    if (lastChanged_ && drawing.numbers == lastChanged_->numbers && drawing.texts == lastChanged_->texts)
        return val::null();
    lastChanged_ = std::move(drawing);
    return toJs(*lastChanged_);
}

val OpenedProgram::takePicture()
{
    picture_.append(program_->takePictureOps());
    val out = toJs(picture_);
    picture_.clear();
    return out;
}

val OpenedProgram::nextRecorded()
{
    const auto frame = recording_ ? recording_->next() : std::nullopt;
    if (!frame) {
        recording_.reset();
        return val::null();
    }
    EncodedDrawing window;
    window.append(frame->window);
    EncodedDrawing picture;
    picture.append(frame->picture);
    val out = val::object();
    out.set("frame", toJs(window));
    out.set("picture", toJs(picture));
    out.set("delay", frame->delay);
    out.set("ticksDone", recording_->ticksDone());
    out.set("ticksAtMost", recording_->ticksAtMost());
    return out;
}

val OpenedProgram::takeMessage()
{
    if (auto message = program_->takeMessage())
        return val(*message);
    return val::null();
}

} // namespace ondel::web
