// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a control does, by meaning. Each program's layout table binds every
// control to one action; a front-end delivers a click, a scroll bar's value
// or a text box's text to the action and never looks at the control's name.
namespace ondel {

enum class Action {
    None,               // labels, frames, the picture: react to nothing
    ToggleTransverse,   // 横波: the transverse row on/off
    ToggleLongitudinal, // 縦波: the longitudinal row on/off
    StopOrStep,         // stop a running animation, else one single step
    Resume,             // run again in the remembered direction (or stop)
    Reverse,            // 進行方向: the direction of travel
    NextCurveMode,      // y-x線: the next way of showing the y-x curves
    ToggleTrace,        // y-t線: the y-t trace on/off
    RowsSeparate,       // 横縦別々: the longitudinal row on its own axis
    RowsOverlaid,       // 横波と合成: the longitudinal row on the transverse axis
    TraceGreen,         // 緑: the trace follows particle 1
    TraceRed,           // 赤: the trace follows particle 6
    LoadPulse,          // 実行/再実行: read the pulse data file, time restarts
    NextEndCondition,   // 自由固定(無反射): the end of the medium
    ToggleStandingWave, // 定常波: the standing wave instead of the travelling one
    TogglePhase,        // 同相逆相: the second speaker in or out of phase
    FlipRearFaces,      // スピーカ向き: what the speakers' rear faces emit
    // The lesson tools, from a key or a menu: no control is bound to them.
    ToggleStrobe,       // ストロボ: earlier exposures of the rows on/off
    ToggleAnnotations,  // 注釈: the textbook's words on the wave on/off
    StartStopStopwatch, // 計測: the stopwatch starts or stops counting ticks
    ResetStopwatch,     // 計測: the stopwatch back to 0, stopped
    // Controls that carry a value instead of a click.
    Speed,              // the timer interval in ms (a scroll bar)
    SlideBar,           // the hand-drawn pulse's height (a scroll bar)
    PulseFileName,      // the pulse data file's base name (a text box)
    Separation,         // the speakers' separation in data positions (a text box)
    StrobeCount,        // the strobe's exposures (a menu choice)
    StrobeSpacing,      // ticks between two exposures (a menu choice)
};

} // namespace ondel
