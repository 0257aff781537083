// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoded_drawing.h"

#include "shell/demonstrator.h"

#include <emscripten/val.h>

#include <memory>
#include <string>

// One program opened in the page: its window as data, the teacher's input
// by action, and its drawing as numbers (see encoded_drawing.h). Actions
// travel as the numbers of ondel::Action, as the layout hands them out.
namespace ondel::web {

class OpenedProgram {
public:
    explicit OpenedProgram(std::unique_ptr<Demonstrator> program);

    // {name, summaryJa, summaryEn, clientWidth, clientHeight, controls: [...]}
    emscripten::val layout() const;

    bool perform(int action);
    void setValue(int action, int value);
    void setText(int action, const std::string &text);

    // `count` timer ticks. Each draws Picture1's share, which is kept until
    // takePicture(); only the last window frame is kept, as only it is shown.
    void tick(int count);
    // The window frame of the last tick: {numbers: Float64Array, texts: [...]}.
    emscripten::val frame() const;
    // Picture1's drawing since the last call, in the order it was drawn.
    emscripten::val takePicture();
    // A message for the teacher, or null.
    emscripten::val takeMessage();

    int timerInterval() const { return program_->state().timerInterval; }
    bool pictureVisible() const { return program_->state().pictureVisible; }

private:
    std::unique_ptr<Demonstrator> program_;
    EncodedDrawing picture_;
};

emscripten::val toJs(const EncodedDrawing &drawing);

} // namespace ondel::web
