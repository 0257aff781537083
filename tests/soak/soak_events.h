// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/actions.h"
#include "shell/state/layout.h"

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

// Random teacher input for one window, drawn from its layout table: every
// button and option by name, the labels and frames that react to nothing,
// both scroll bars over their ranges, absurd texts in the text boxes, and
// timer ticks in between. Each event carries the action its control is bound
// to, so that it can be delivered as the window delivers it.
namespace ondel::soak {

struct Event {
    enum class Kind { Tick, Click, HScroll1, VScroll1, Text1, Text2 };
    Kind kind = Kind::Tick;
    std::string control; // Click: the control's name
    Action action = Action::None; // what the control is bound to (none for a tick)
    int value = 0;       // HScroll1, VScroll1
    std::string text;    // Text1, Text2
};

// One line for a failure report (long texts shortened).
std::string describe(const Event &event);

// Relative frequencies of the kinds of event; 0 leaves a kind out.
struct EventWeights {
    int tick = 50;
    int click = 35;      // buttons and options but the file load, each equally likely
    int load = 1;        // "実行/再実行", which reads a whole file
    int inertClick = 1;  // labels, frames and the picture
    int scroll = 3;      // each scroll bar the window has
    int text = 3;        // each text box the window has
};

class EventSource {
public:
    // The file name box is set to one of `fileTexts` (the pulse files at
    // hand) or to an absurd text; the separation box to a number or an absurd
    // text.
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
    std::map<std::string, Action, std::less<>> actions_; // every control's action by name
    // A scroll bar or text box the window has, with its action.
    struct Input {
        Action action = Action::None;
        ScrollRange range; // scroll bars only
    };
    std::optional<Input> hscroll_;
    std::optional<Input> vscroll_;
    std::optional<Input> text1_; // the pulse file name
    std::optional<Input> text2_; // the separation
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
