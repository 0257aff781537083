// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoded_drawing.h"

#include "shell/window/recording.h"

#include "shell/window/demonstrator.h"

#include <emscripten/val.h>

#include <memory>
#include <optional>
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
    // A file the teacher chose or dropped, as its bytes (a Uint8Array):
    // loaded as "実行/再実行" loads a typed name. False if refused (its
    // message waits in takeMessage()) or if the program loads no files.
    bool openPulseData(const std::string &bytes, const std::string &fileName);
    bool loadsPulseFiles() const { return program_->loadsPulseFiles(); }
    // "パルスを保存" (where the slide bar draws one) and "データを保存", each
    // {bytes: the file's contents (a Uint8Array), or null with the reason
    // in message, message}.
    bool drawsPulse() const { return program_->drawsPulse(); }
    emscripten::val drawnPulseFile() const;
    emscripten::val readingsFile() const;
    // What Text1 shows once a chosen file has loaded.
    std::string pulseFileName() const { return program_->inputs().pulseFileName; }

    // `count` timer ticks. Each draws Picture1's share, which is kept until
    // takePicture(); only the last window frame is kept, as only it is shown.
    void tick(int count);
    // The window frame of the last tick: {numbers: Float64Array, texts: [...]}.
    emscripten::val frame() const;
    // The same when it differs from what this gave last, else null: a page
    // that paints every frame it is given paints none twice, and a lesson
    // standing still costs the machine next to nothing.
    emscripten::val changedFrame();
    // Picture1's drawing since the last call, in the order it was drawn.
    emscripten::val takePicture();
    // A message for the teacher, or null.
    emscripten::val takeMessage();

    // 動画を保存: a recording of what the window shows from now on, which
    // the window itself does not notice. Each nextRecorded() gives its next
    // frame {frame, picture: Picture1's drawing since the frame before,
    // delay: hundredths of a second, ticksDone, ticksAtMost}, null at the end.
    void startRecording() { recording_ = std::make_unique<Recording>(*program_); }
    emscripten::val nextRecorded();
    void stopRecording() { recording_.reset(); }

    // Every key of the core's table that the page serves (the zoom keys stay
    // the browser's): [{name, typesText, applies, action, command}],
    // action the number of the Action it clicks or -1, command the name of
    // the WindowCommand it gives or "".
    emscripten::val keys() const;
    // The window's commands the page has (not the zoom), in the order of
    // the bar: [{name, caption, captionWhileOn, key, bar: "files", "window"
    // or "", applies, fileName: the name a download suggests, or ""}].
    emscripten::val commands() const;
    std::string helpText() const;
    std::string aboutText() const;
    // What to press first, for a window whose rows start hidden.
    std::string firstHint() const;
    // What the keys change, for the tests: {runStep, direction,
    // transverseShown, longitudinalShown, yxMode, tracing}.
    emscripten::val windowState() const;
    // The lesson tools for the bar: {strobe, annotations, strobeCount,
    // strobeSpacing, titles: {strobe, annotations, count, spacing},
    // counts: [{value, caption}], spacings: [{value, caption}]}.
    emscripten::val lessonTools() const;

    // 計測: shown or hidden, and a mouse or a finger on the drawing, in window
    // twips at 100%; whether the tools took a press, or moved.
    void toggleMeasure() { program_->toggleMeasure(); }
    bool measureShown() const { return program_->measure().shown; }
    bool pointerDown(double x, double y) { return program_->pointerDown({x, y}); }
    bool pointerMove(double x, double y, bool free) { return program_->pointerMove({x, y}, free); }
    void pointerUp() { program_->pointerUp(); }

    int timerInterval() const { return program_->state().timerInterval; }
    bool pictureVisible() const { return program_->state().pictureVisible; }
    double timeIndex() const { return static_cast<double>(program_->state().timeIndex); }

private:
    std::unique_ptr<Demonstrator> program_;
    EncodedDrawing picture_;
    std::unique_ptr<Recording> recording_;
    std::optional<EncodedDrawing> lastChanged_;
};

emscripten::val toJs(const EncodedDrawing &drawing);

} // namespace ondel::web
