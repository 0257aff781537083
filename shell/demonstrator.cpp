#include "demonstrator.h"

namespace ondel {

Demonstrator::Demonstrator(WindowLayout layout, Timeline timeline, const TraceConfig &trace, InitialState initial)
    : layout_(std::move(layout)), timeline_(timeline), trace_(trace)
{
    state_.transverseShown = initial.transverseShown;
    state_.yxMode = initial.yxMode;
    if (const ControlSpec *bar = layout_.find("HScroll1"))
        state_.timerInterval = bar->range.value;
    if (const ControlSpec *text = layout_.find("Text1"))
        controls_.text1 = text->caption;
    if (const ControlSpec *text = layout_.find("Text2"))
        controls_.text2 = text->caption;
    if (const ControlSpec *bar = layout_.find("VScroll1"))
        controls_.vscroll1 = bar->range.value;

    const HandlerForm form = timeline_.form;
    onClick("Command1", [this] { Command1_Click(state_); });
    onClick("Command2", [this] { Command2_Click(state_); });
    onClick("Command3", [this] { Command3_Click(state_, timeline_); });
    onClick("Command4", [this, form] { Command4_Click(state_, form); });
    onClick("Command5", [this] { Command5_Click(state_); });
    onClick("Command7", [this, form] { Command7_Click(state_, form); });
    onClick("Command8", [this] {
        Command8_Click(state_, trace_, [this](std::int64_t t) { return tracedWindowY(t); }, picture_);
    });
    onClick("Option1", [this] { Option1_Click(state_); });
    onClick("Option2", [this] { Option2_Click(state_); });
    onClick("Option3", [this] { Option3_Click(state_); });
    onClick("Option4", [this] { Option4_Click(state_); });
}

void Demonstrator::onClick(std::string control, std::function<void()> handler)
{
    clickHandlers_[std::move(control)] = std::move(handler);
}

bool Demonstrator::click(std::string_view control)
{
    const auto it = clickHandlers_.find(control);
    if (it == clickHandlers_.end())
        return false;
    it->second();
    return true;
}

void Demonstrator::HScroll1_Change(int value) { ondel::HScroll1_Change(state_, value); }

void Demonstrator::tick()
{
    frame_.reset();
    Timer1_Timer(frame_);
}

} // namespace ondel
