#include "handlers.h"

namespace ondel {

void advanceTime(WindowState &state, const Timeline &timeline, int steps)
{
    state.timeIndex += steps;
    if (timeline.form == HandlerForm::B)
        return;
    if (state.timeIndex > timeline.timeLimit)
        state.timeIndex = 0;
    if (state.timeIndex < 0)
        state.timeIndex = timeline.timeLimit;
}

namespace {

void toggle(int &flag)
{
    if (flag == 0)
        flag = 1;
    else if (flag == 1)
        flag = 0;
}

int resumedStep(const WindowState &state) { return state.direction == -1 ? -1 : 1; }

} // namespace

void Command1_Click(WindowState &state) { toggle(state.transverseShown); }

void Command2_Click(WindowState &state) { toggle(state.longitudinalShown); }

void Command3_Click(WindowState &state, const Timeline &timeline)
{
    if (state.runStep != 0) {
        state.runStep = 0;
        return;
    }
    advanceTime(state, timeline, state.direction);
    if (state.pictureVisible)
        state.stepPending = 1;
}

void Command4_Click(WindowState &state, HandlerForm form)
{
    if (form == HandlerForm::A && state.runStep != 0)
        state.runStep = 0;
    else
        state.runStep = resumedStep(state);
}

void Command5_Click(WindowState &state)
{
    if (state.runStep == 1) {
        state.runStep = -1;
        state.direction = -1;
    } else if (state.runStep == -1) {
        state.runStep = 1;
        state.direction = 1;
    } else if (state.direction == 1) {
        state.direction = -1;
    } else if (state.direction == -1) {
        state.direction = 1;
    }
}

void Command7_Click(WindowState &state, HandlerForm form)
{
    const int modes = form == HandlerForm::A ? 4 : 3;
    state.yxMode += 1;
    if (state.yxMode == modes)
        state.yxMode = 0;
}

void Option1_Click(WindowState &state) { state.longitudinalSeparate = 1; }
void Option2_Click(WindowState &state) { state.longitudinalSeparate = 0; }
void Option3_Click(WindowState &state) { state.tracedParticle = 1; }
void Option4_Click(WindowState &state) { state.tracedParticle = 6; }

void HScroll1_Change(WindowState &state, int value) { state.timerInterval = value; }

} // namespace ondel
