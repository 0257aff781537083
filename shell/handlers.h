#pragma once

#include "state.h"

#include <cstdint>

// The common control handlers. They change the window state and nothing
// else; the next tick shows the change.
namespace ondel {

// How a program's clock behaves: form A wraps time at `timeLimit` (both ways),
// form B lets it run without bound.
struct Timeline {
    HandlerForm form = HandlerForm::A;
    std::int64_t timeLimit = 2880;
};

// Adds `steps` to timeIndex, wrapping as the program's form asks.
void advanceTime(WindowState &state, const Timeline &timeline, int steps);

void Command1_Click(WindowState &state); // 横波: transverse row on/off
void Command2_Click(WindowState &state); // 縦波: longitudinal row on/off
void Command3_Click(WindowState &state, const Timeline &timeline); // stop / single step
void Command4_Click(WindowState &state, HandlerForm form); // resume (/ stop in form A)
void Command5_Click(WindowState &state); // 進行方向: reverse
void Command7_Click(WindowState &state, HandlerForm form); // y-x線: next curve mode
void Option1_Click(WindowState &state); // longitudinal row on its own axis
void Option2_Click(WindowState &state); // longitudinal row on the transverse axis
void Option3_Click(WindowState &state); // trace particle 1 (緑)
void Option4_Click(WindowState &state); // trace particle 6 (赤)
void HScroll1_Change(WindowState &state, int value); // timer interval in ms

} // namespace ondel
