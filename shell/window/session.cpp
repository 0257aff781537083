// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/session.h"

#include "shell/drawing/frame_text.h"
#include "shell/state/keys.h"
#include "shell/window/control_view.h"

#include <algorithm>
#include <charconv>

namespace ondel {

namespace {

std::string_view nextWord(std::string_view &line)
{
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    const std::size_t end = line.find(' ');
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
    return word;
}

bool wholeNumber(std::string_view text, int &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

// One line's events, or an error text.
std::variant<SessionScript, std::string> parseLine(std::string_view line)
{
    const std::string_view command = nextWord(line);
    if (command.empty() || command.front() == '#')
        return SessionScript{};
    if (command == "click") {
        const std::string_view control = nextWord(line);
        if (control.empty() || !line.empty())
            return std::string("click takes one control");
        return SessionScript{{SessionEvent::Kind::Click, std::string(control), {}, 0}};
    }
    if (command == "set") {
        const std::string_view control = nextWord(line);
        if (control.empty())
            return std::string("set takes a control and a value");
        return SessionScript{{SessionEvent::Kind::Set, std::string(control), std::string(line), 0}};
    }
    if (command == "tick") {
        int count = 0;
        if (!wholeNumber(nextWord(line), count) || count < 1 || !line.empty())
            return std::string("tick takes a count of at least 1");
        return SessionScript{{SessionEvent::Kind::Tick, {}, {}, count}};
    }
    if (command == "sweep") {
        const std::string control(nextWord(line));
        int from = 0;
        int to = 0;
        if (control.empty() || !wholeNumber(nextWord(line), from) || !wholeNumber(nextWord(line), to) ||
            !line.empty() || from > to)
            return std::string("sweep takes a control, a first and a last value");
        SessionScript events;
        for (int value = from; value <= to; ++value)
            events.push_back({SessionEvent::Kind::Set, control, std::to_string(value), 0});
        return events;
    }
    if (command == "key") {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos)
            return std::string("key takes a key's name");
        return SessionScript{{SessionEvent::Kind::Key, std::string(line.substr(start)), {}, 0}};
    }
    if (command == "strobe") {
        const std::string_view count = nextWord(line);
        const std::string_view spacing = nextWord(line);
        int n = 0;
        int s = 0;
        if (!wholeNumber(count, n) || !wholeNumber(spacing, s) || !line.empty())
            return std::string("strobe takes a count and a spacing");
        return SessionScript{{SessionEvent::Kind::StrobeCount, {}, std::string(count), 0},
                             {SessionEvent::Kind::StrobeSpacing, {}, std::string(spacing), 0}};
    }
    return "unknown command " + std::string(command);
}

std::string withoutBlanks(std::string_view name)
{
    std::string kept;
    for (const char c : name)
        if (c != ' ')
            kept += c;
    return kept;
}

// A key as the table names it ("Page Down") or as a remote's key event
// spells it ("PageDown").
const KeyBinding *keyNamed(std::string_view name)
{
    const std::string wanted = withoutBlanks(name);
    const auto &all = keyBindings();
    const auto it = std::find_if(all.begin(), all.end(), [&](const KeyBinding &k) { return withoutBlanks(k.name) == wanted; });
    return it == all.end() ? nullptr : &*it;
}

// "+" and "-": the speed bar one page on, within its range, as a click in its trough.
bool stepSpeedBar(Demonstrator &program, int pages)
{
    const auto &controls = program.layout().controls;
    const auto bar = std::find_if(controls.begin(), controls.end(),
                                  [](const ControlSpec &c) { return c.action == Action::Speed; });
    if (bar == controls.end())
        return false;
    const int value = program.inputs().speedBar + pages * scrollBarPageStep;
    program.setValue(Action::Speed, std::clamp(value, bar->range.minimum, bar->range.maximum));
    return true;
}

// A key of the table: its action clicked, or the speed bar stepped; the
// window's other commands (help, files, zoom) have nothing to replay on.
bool pressKey(Demonstrator &program, std::string_view name)
{
    const KeyBinding *key = keyNamed(name);
    if (!key)
        return false;
    if (const auto *action = std::get_if<Action>(&key->target)) {
        program.perform(*action);
        return true;
    }
    switch (std::get<WindowCommand>(key->target)) {
    case WindowCommand::Faster:
        return stepSpeedBar(program, -1); // faster is a shorter interval
    case WindowCommand::Slower:
        return stepSpeedBar(program, 1);
    default:
        return false;
    }
}

void emitDrawing(std::string &text, char surface, const std::vector<Primitive> &ops)
{
    for (const Primitive &op : ops)
        appendPrimitiveText(text, surface, op);
}

} // namespace

std::variant<SessionScript, std::string> parseSession(std::string_view text)
{
    SessionScript script;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        auto events = parseLine(line);
        if (const auto *error = std::get_if<std::string>(&events))
            return "line " + std::to_string(lineNumber) + ": " + *error;
        for (SessionEvent &event : std::get<SessionScript>(events))
            script.push_back(std::move(event));
    }
    return script;
}

bool clickControl(Demonstrator &program, std::string_view control)
{
    const ControlSpec *entry = program.layout().find(std::string(control));
    return entry != nullptr && program.perform(entry->action);
}

bool deliver(Demonstrator &program, const SessionEvent &event)
{
    int value = 0;
    switch (event.kind) {
    case SessionEvent::Kind::Tick:
        program.nextFrame();
        return true;
    case SessionEvent::Kind::Key:
        return pressKey(program, event.control);
    case SessionEvent::Kind::StrobeCount:
    case SessionEvent::Kind::StrobeSpacing:
        if (!wholeNumber(event.value, value))
            return false;
        program.setValue(event.kind == SessionEvent::Kind::StrobeCount ? Action::StrobeCount : Action::StrobeSpacing,
                         value);
        return true;
    case SessionEvent::Kind::Click:
    case SessionEvent::Kind::Set:
        break;
    }
    const ControlSpec *control = program.layout().find(event.control);
    if (!control)
        return false;
    if (event.kind == SessionEvent::Kind::Click) {
        program.perform(control->action); // a label's click reaches nothing
        return true;
    }
    switch (control->kind) {
    case ControlKind::TextBox:
        program.setText(control->action, event.value);
        return true;
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
        if (!wholeNumber(event.value, value))
            return false;
        program.setValue(control->action, value);
        return true;
    default:
        return false;
    }
}

bool replaySession(Demonstrator &program, const SessionScript &script,
                   const std::function<void(std::string_view)> &sink)
{
    std::string text;
    for (const SessionEvent &event : script) {
        const int repeats = event.kind == SessionEvent::Kind::Tick ? event.ticks : 1;
        for (int k = 0; k < repeats; ++k) {
            text.clear();
            switch (event.kind) {
            case SessionEvent::Kind::Tick:
                text += "tick\n";
                break;
            case SessionEvent::Kind::Click:
                text += "click " + event.control + '\n';
                break;
            case SessionEvent::Kind::Set:
                text += "set " + event.control + ' ' + event.value + '\n';
                break;
            case SessionEvent::Kind::Key:
                text += "key " + event.control + '\n';
                break;
            case SessionEvent::Kind::StrobeCount:
                text += "strobe count " + event.value + '\n';
                break;
            case SessionEvent::Kind::StrobeSpacing:
                text += "strobe spacing " + event.value + '\n';
                break;
            }
            if (!deliver(program, event))
                return false;
            if (event.kind == SessionEvent::Kind::Tick) {
                emitDrawing(text, 'W', program.frame().ops());
                appendControlView(text, program);
            }
            emitDrawing(text, 'P', program.takePictureOps());
            if (auto message = program.takeMessage())
                text += "M " + *message + '\n';
            sink(text);
        }
    }
    return true;
}

std::optional<std::string> sessionHash(Demonstrator &program, const SessionScript &script)
{
    TextHash hash;
    if (!replaySession(program, script, [&](std::string_view text) { hash.add(text); }))
        return std::nullopt;
    return hash.hex();
}

} // namespace ondel
