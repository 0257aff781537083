// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/session.h"

#include "shell/drawing/frame_text.h"
#include "shell/state/keys.h"
#include "shell/window/control_view.h"

#include <algorithm>
#include <cmath>

namespace ondel {

namespace {

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
    case WindowCommand::Measure:
        program.toggleMeasure();
        return true;
    default:
        return false;
    }
}

std::string pointerLine(const SessionEvent &event)
{
    std::string line = "pointer " + event.control;
    if (event.kind != SessionEvent::Kind::PointerUp)
        line += ' ' + std::to_string(std::lround(event.at.x)) + ' ' + std::to_string(std::lround(event.at.y));
    return line + (event.free ? " free\n" : "\n");
}

void emitDrawing(std::string &text, char surface, const std::vector<Primitive> &ops)
{
    for (const Primitive &op : ops)
        appendPrimitiveText(text, surface, op);
}

} // namespace

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
        if (!readWholeNumber(event.value, value))
            return false;
        program.setValue(event.kind == SessionEvent::Kind::StrobeCount ? Action::StrobeCount : Action::StrobeSpacing,
                         value);
        return true;
    case SessionEvent::Kind::PointerDown:
        program.pointerDown(event.at);
        return true;
    case SessionEvent::Kind::PointerMove:
        program.pointerMove(event.at, event.free);
        return true;
    case SessionEvent::Kind::PointerUp:
        program.pointerUp();
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
        if (!readWholeNumber(event.value, value))
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
            case SessionEvent::Kind::PointerDown:
            case SessionEvent::Kind::PointerMove:
            case SessionEvent::Kind::PointerUp:
                text += pointerLine(event);
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
