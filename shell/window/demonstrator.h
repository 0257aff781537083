// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/actions.h"
#include "shell/window/description.h"
#include "shell/drawing/draw_list.h"
#include "shell/state/lesson_tools.h"
#include "shell/drawing/particle_rows.h"
#include "shell/lesson/annotations.h"
#include "shell/lesson/measure.h"
#include "shell/lesson/measure_pointer.h"
#include "shell/lesson/readings.h"
#include "shell/pulse/saved_file.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// One window of the family without its widgets: the state, the actions its
// controls are bound to, the frame of the last tick and the drawing still
// owed to the y-t picture. A family adds its wave, its own actions and its
// frame.
namespace ondel {

// What the value-carrying controls hold, as the program reads it.
struct ControlInputs {
    std::string pulseFileName; // base name, ".csv" is added
    std::string separation;    // the speakers' separation as typed
    int slideBar = 128;        // 0 (top) .. 255 (bottom)
    int speedBar = 10;         // the speed bar's value; the timer's interval is the state's
};

class Demonstrator {
public:
    virtual ~Demonstrator() = default;
    Demonstrator &operator=(const Demonstrator &) = delete;

    // The window as it stands, to run ahead of it (動画を保存): the copy
    // draws the same frames from here on, with the same trace and lesson
    // tools, while this one goes on undisturbed. Its controls do nothing.
    virtual std::unique_ptr<Demonstrator> copy() const = 0;
    // Ticks of one period of the wave shown; 0 where it does not repeat
    // (a pulse).
    int periodTicks() const { return standingPattern().period; }

    const ProgramDescription &description() const { return description_; }
    const WindowLayout &layout() const { return description_.layout; }
    const Clock &clock() const { return description_.clock; }
    const TraceConfig &traceConfig() const { return description_.trace; }
    WindowState &state() { return state_; }
    const WindowState &state() const { return state_; }
    const ControlInputs &inputs() const { return inputs_; }
    // The strobe and the annotations: off when the program starts.
    const LessonTools &lessonTools() const { return lessons_; }
    // 計測: the ruler, the reference line and the stopwatch; hidden, the
    // stopwatch stopped at 0, when the program starts.
    const MeasureState &measure() const;
    void toggleMeasure();
    // A mouse or a finger on the drawing, in window twips at 100%
    // (measure_pointer.h). The tools move at once in the last frame, so a
    // drag follows the pointer between two ticks of a slow clock.
    bool pointerDown(Point at);
    bool pointerMove(Point at, bool free);
    void pointerUp() { pointer_.up(); }
    // Where "実行/再実行" looks for a file that is not in the working folder.
    void setDataFolders(std::vector<std::string> folders) { dataFolders_ = std::move(folders); }
    const std::vector<std::string> &dataFolders() const { return dataFolders_; }

    // A click on a control bound to `action`. False for an action this
    // program has nothing for (Action::None, for instance).
    bool perform(Action action);
    // A scroll bar's new value, a text box's new text, a menu's choice of
    // the strobe's count or spacing.
    void setValue(Action action, int value);
    void setText(Action action, std::string text);

    // A pulse data file the teacher chose without typing its name (a file
    // dialog, a file dropped on the window): read and checked exactly as
    // "実行/再実行" reads a typed name; on success the name box shows the
    // file's base name and time restarts, a refused file changes nothing and
    // leaves its message. False, with nothing changed, in a program that
    // loads no files. `openPulseData` takes the file's bytes where there is
    // no path (a browser). While the name box shows that name, "実行/再実行"
    // reads this same file (or these bytes) again.
    virtual bool openPulseFile(const std::string &path);
    virtual bool openPulseData(std::string_view bytes, const std::string &fileName);
    // The full path "実行/再実行" reads instead of looking the name up, while
    // the name box shows the name of a file opened by its path.
    virtual std::optional<std::string> openedPulsePath() const { return std::nullopt; }
    bool loadsPulseFiles() const { return bindsAction(layout(), Action::LoadPulse); }

    // "パルスを保存": the pulse drawn with the slide bar as a pulse data file
    // (none where nothing was drawn, or where no pulse is drawn at all).
    virtual SavedFile drawnPulseFile() const;
    bool drawsPulse() const { return bindsAction(layout(), Action::SlideBar); }
    // "データを保存": the particles of the last frame and the y-t trace's
    // points as a table.
    SavedFile readingsFile() const;
    // Every particle at the current tick, drawn or not; the y-t trace's points
    // since it was last switched on, at most one per column of the picture.
    std::vector<ParticleReading> particleReadings() const;
    const std::deque<TraceReading> &traceReadings() const { return traceReadings_; }

    // One timer tick: time moves on by the run step and the whole window
    // frame is drawn anew, with the point it owes the y-t picture, and the
    // lesson tools that are on.
    void nextFrame();
    const DrawList &frame() const { return frame_; }

    // Drawing for Picture1 since the last call; the picture keeps it.
    std::vector<Primitive> takePictureOps() { return picture_.take(); }
    const DrawList &pendingPictureOps() const { return picture_; }

    // A message for the teacher (a file that could not be read, ...).
    std::optional<std::string> takeMessage() { return std::exchange(message_, std::nullopt); }

protected:
    // The state a program starts with and the common actions.
    explicit Demonstrator(ProgramDescription description);
    // Everything but the controls' bindings, which would reach the original,
    // and a drag under way, which belongs to the window's pointer.
    Demonstrator(const Demonstrator &other);

    void onAction(Action action, std::function<void()> handler);
    void report(std::string message) { message_ = std::move(message); }
    void showPulseFileName(std::string name) { inputs_.pulseFileName = std::move(name); }
    DrawList &picture() { return picture_; }

    // Draws one frame into `window`: startFrame(), the family's pieces,
    // drawCurrentRows() among them.
    virtual void drawFrame(DrawList &window) = 0;
    // The family's rows: their axes, how many particles, and particle i as
    // it stands at any time, computed from time alone and without side
    // effects (the strobe and the annotations look at earlier times).
    virtual RowAxes rowAxes() const = 0;
    virtual int particleCount() const = 0;
    virtual RowParticle particleAt(std::int64_t time, int particle) const = 0;

    // How every frame starts: clear, time moves on, the axes, and under
    // everything else the strobe's exposures when it is on.
    void startFrame(DrawList &window);
    // The particles of the rows shown at the current time, with the trace point.
    void drawCurrentRows(DrawList &window);
    // Window y of the traced particle at time t, for seeding the trace.
    virtual double tracedWindowY(std::int64_t time) const = 0;
    // Where the annotations look for 腹 and 節; none by default.
    virtual StandingPattern standingPattern() const { return {}; }
    // The ticks the wave takes to travel one particle spacing: a pulse moves
    // one data position a tick.
    virtual int ticksPerSpacing() const;

private:
    // Before time 0 a clock that starts there has nothing to show.
    std::int64_t earliestTime() const;
    // After its limit such a clock starts again at 0.
    std::int64_t latestTime() const;
    // Made when first asked for, as it stands by the family's rows.
    Measure &measureTools();
    // Draws 計測 anew over the last frame.
    void redrawMeasure();

    ProgramDescription description_;
    WindowState state_;
    LessonTools lessons_;
    ControlInputs inputs_;
    std::vector<std::string> dataFolders_;
    DrawList frame_;
    DrawList picture_;
    std::deque<TraceReading> traceReadings_;
    std::optional<std::string> message_;
    std::map<Action, std::function<void()>> actions_;
    std::optional<Measure> measure_;
    MeasurePointer pointer_;
    std::size_t measureStart_ = 0; // where 計測 starts in the last frame
};

} // namespace ondel
