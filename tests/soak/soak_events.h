#pragma once

#include "shell/layout.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

// Random teacher input for one window, drawn from its layout table: every
// button and option by name, the labels and frames that react to nothing,
// both scroll bars over their ranges, absurd texts in the text boxes, and
// timer ticks in between.
namespace ondel::soak {

struct Event {
    enum class Kind { Tick, Click, HScroll1, VScroll1, Text1, Text2 };
    Kind kind = Kind::Tick;
    std::string control; // Click: the control's name
    int value = 0;       // HScroll1, VScroll1
    std::string text;    // Text1, Text2
};

// One line for a failure report (long texts shortened).
std::string describe(const Event &event);

// Relative frequencies of the kinds of event; 0 leaves a kind out.
struct EventWeights {
    int tick = 50;
    int click = 35;      // buttons and options but Command9, each equally likely
    int load = 1;        // Command9, which reads a whole file
    int inertClick = 1;  // labels, frames and the picture
    int scroll = 3;      // each scroll bar the window has
    int text = 3;        // each text box the window has
};

class EventSource {
public:
    // Text1 is set to one of `fileTexts` (the pulse files at hand) or to an
    // absurd text; Text2 to a number or an absurd text.
    EventSource(const WindowLayout &layout, std::uint64_t seed, std::vector<std::string> fileTexts,
                EventWeights weights = {});

    // The choices point into the source's own lists.
    EventSource(const EventSource &) = delete;
    EventSource &operator=(const EventSource &) = delete;

    Event next();

    // The buttons and options, and the controls that react to nothing.
    const std::vector<std::string> &clickable() const { return clickable_; }
    const std::vector<std::string> &inert() const { return inert_; }

private:
    int uniform(int low, int high);
    template <typename T> const T &pick(const std::vector<T> &from);
    int scrollValue(const ScrollRange &range);

    std::mt19937_64 random_;
    std::vector<std::string> clickable_;
    std::vector<std::string> inert_;
    std::vector<std::string> handlers_; // clickable_ but the file load
    std::vector<std::string> load_;
    std::optional<ScrollRange> hscroll_;
    std::optional<ScrollRange> vscroll_;
    bool text1_ = false;
    bool text2_ = false;
    std::vector<std::string> fileTexts_;
    // What an event may be, with the controls a click picks from.
    struct Choice {
        Event::Kind kind;
        const std::vector<std::string> *controls = nullptr;
    };
    std::vector<Choice> choices_;
    std::discrete_distribution<int> choice_;
};

// Texts no text box should be trusted with: empty, blanks, huge numbers,
// full-width digits, paths leading elsewhere, a NUL, 5000 characters. All
// valid UTF-8, as a text box gives them.
const std::vector<std::string> &absurdTexts();

} // namespace ondel::soak
