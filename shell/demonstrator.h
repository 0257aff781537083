#pragma once

#include "draw_list.h"
#include "handlers.h"
#include "layout.h"
#include "state.h"
#include "yt_trace.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// One window of the family without its widgets: the state, the handlers by
// control name, the frame of the last tick and the drawing still owed to the
// y-t picture. A program adds its wave model, its own handlers and its frame.
namespace ondel {

// The values of the input controls as the program reads them.
struct ControlValues {
    std::string text1;
    std::string text2;
    int vscroll1 = 128;
};

// Initial values of the state that differ between the program groups.
struct InitialState {
    int transverseShown = 0;
    int yxMode = 1;
};

class Demonstrator {
public:
    virtual ~Demonstrator() = default;
    Demonstrator(const Demonstrator &) = delete;
    Demonstrator &operator=(const Demonstrator &) = delete;

    const WindowLayout &layout() const { return layout_; }
    const Timeline &timeline() const { return timeline_; }
    const TraceConfig &traceConfig() const { return trace_; }
    WindowState &state() { return state_; }
    const WindowState &state() const { return state_; }
    ControlValues &controls() { return controls_; }
    // Where "実行/再実行" looks for a file that is not in the working folder.
    void setDataFolders(std::vector<std::string> folders) { dataFolders_ = std::move(folders); }
    const std::vector<std::string> &dataFolders() const { return dataFolders_; }

    // Runs the click handler of the named control. Returns false for a
    // control that reacts to nothing (the labels, for instance).
    bool click(std::string_view control);
    void HScroll1_Change(int value);

    // One timer tick: the whole window frame anew, and the trace point owed
    // to the picture.
    void tick();
    const DrawList &frame() const { return frame_; }

    // Drawing for Picture1 since the last call; the picture keeps it.
    std::vector<Primitive> takePictureOps() { return picture_.take(); }
    const DrawList &pendingPictureOps() const { return picture_; }

    // A message for the teacher (a file that could not be read, ...).
    std::optional<std::string> takeMessage() { return std::exchange(message_, std::nullopt); }

protected:
    // Form_Load, common part: the state a program starts with.
    Demonstrator(WindowLayout layout, Timeline timeline, const TraceConfig &trace, InitialState initial);

    void onClick(std::string control, std::function<void()> handler);
    void report(std::string message) { message_ = std::move(message); }
    DrawList &picture() { return picture_; }

    // Timer1_Timer: draws one frame into `window` (clear first).
    virtual void Timer1_Timer(DrawList &window) = 0;
    // Window y of the traced particle at time t, for seeding the trace.
    virtual double tracedWindowY(std::int64_t time) const = 0;

private:
    WindowLayout layout_;
    Timeline timeline_;
    TraceConfig trace_;
    WindowState state_;
    ControlValues controls_;
    std::vector<std::string> dataFolders_;
    DrawList frame_;
    DrawList picture_;
    std::optional<std::string> message_;
    std::map<std::string, std::function<void()>, std::less<>> clickHandlers_;
};

} // namespace ondel
