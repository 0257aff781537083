// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/control_view.h"

#include "shell/state/geometry.h"

namespace ondel {

namespace {

// The value the scroll bar bound to `action` shows.
int scrollValue(const ControlInputs &inputs, Action action)
{
    return action == Action::SlideBar ? inputs.slideBar : inputs.speedBar;
}

// What the text box bound to `action` shows; brackets keep blanks at its ends visible.
std::string boxText(const ControlInputs &inputs, Action action)
{
    return '[' + (action == Action::Separation ? inputs.separation : inputs.pulseFileName) + ']';
}

std::string place(const Rect &rect)
{
    return std::to_string(rect.left) + ' ' + std::to_string(rect.top) + ' ' + std::to_string(rect.width) + ' ' +
           std::to_string(rect.height);
}

std::string shown(const Demonstrator &program, const ControlSpec &control)
{
    switch (control.kind) {
    case ControlKind::Button:
        return "button " + control.caption;
    case ControlKind::Label:
        return "label " + control.caption;
    case ControlKind::Frame:
        return "frame " + control.caption;
    case ControlKind::Option:
        return optionSelected(program.state(), control.action) ? "option on" : "option off";
    case ControlKind::TextBox:
        return "text " + boxText(program.inputs(), control.action);
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
        return "value " + std::to_string(scrollValue(program.inputs(), control.action));
    case ControlKind::Picture:
        return (program.state().pictureVisible ? "shown " : "hidden ") + place(control.rect);
    }
    return {};
}

} // namespace

bool optionSelected(const WindowState &state, Action action)
{
    switch (action) {
    case Action::RowsSeparate:
        return state.longitudinalSeparate;
    case Action::RowsOverlaid:
        return !state.longitudinalSeparate;
    case Action::TraceGreen:
        return state.tracedParticle == geometry::greenParticle;
    case Action::TraceRed:
        return state.tracedParticle == geometry::redParticle;
    default:
        return false;
    }
}

void appendControlView(std::string &out, const Demonstrator &program)
{
    out += "S interval " + std::to_string(program.state().timerInterval) + '\n';
    for (const ControlSpec &control : program.layout().controls)
        out += "S " + control.name + ' ' + shown(program, control) + '\n';
}

} // namespace ondel
