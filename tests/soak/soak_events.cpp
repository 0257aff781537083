// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak_events.h"

namespace ondel::soak {

namespace {

std::string shortened(const std::string &text)
{
    std::string out;
    for (char c : text.substr(0, 60))
        out += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    return text.size() > 60 ? out + "...(" + std::to_string(text.size()) + " bytes)" : out;
}

} // namespace

std::string describe(const Event &event)
{
    switch (event.kind) {
    case Event::Kind::Tick:
        return "tick";
    case Event::Kind::Click:
        return "click " + event.control;
    case Event::Kind::HScroll1:
        return "HScroll1 " + std::to_string(event.value);
    case Event::Kind::VScroll1:
        return "VScroll1 " + std::to_string(event.value);
    case Event::Kind::Text1:
        return "Text1 \"" + shortened(event.text) + "\"";
    case Event::Kind::Text2:
        return "Text2 \"" + shortened(event.text) + "\"";
    }
    return "?";
}

const std::vector<std::string> &absurdTexts()
{
    static const std::vector<std::string> texts{
        "", " ", "\t", "abc", "-", "+", ".", "-0", "0", "140", "100", "-40", "140.5", "150", "-60", "  7",
        "1e308", "1e999", "nan", "inf", "-inf", "0x10", "1,5", "99999999999", "-2147483649", "3.4e38",
        std::string(400, '9'), "-" + std::string(400, '9'), "0." + std::string(400, '0') + "1",
        "１４０", "名前", "../../../../../../etc/passwd", "/dev/zero", "/dev/stdin", "/proc/self/mem",
        "name.csv", "a\nb", std::string("a\0b", 3), "%s%n%x", std::string(5000, 'x'),
    };
    return texts;
}

EventSource::EventSource(const WindowLayout &layout, std::uint64_t seed, std::vector<std::string> fileTexts,
                         EventWeights weights)
    : random_(seed), fileTexts_(std::move(fileTexts))
{
    for (const ControlSpec &control : layout.controls) {
        actions_[control.name] = control.action;
        switch (control.kind) {
        case ControlKind::Button:
        case ControlKind::Option:
            clickable_.push_back(control.name);
            (control.action == Action::LoadPulse ? load_ : handlers_).push_back(control.name);
            break;
        case ControlKind::Label:
        case ControlKind::Frame:
        case ControlKind::Picture:
            inert_.push_back(control.name);
            break;
        case ControlKind::HScrollBar:
            hscroll_ = Input{control.action, control.range};
            break;
        case ControlKind::VScrollBar:
            vscroll_ = Input{control.action, control.range};
            break;
        case ControlKind::TextBox:
            (control.action == Action::Separation ? text2_ : text1_) = Input{control.action, {}};
            break;
        }
    }

    std::vector<int> frequencies;
    const auto add = [&](bool present, Event::Kind kind, int weight, const std::vector<std::string> *controls = nullptr) {
        if (present && weight > 0) {
            choices_.push_back({kind, controls});
            frequencies.push_back(weight);
        }
    };
    add(true, Event::Kind::Tick, weights.tick);
    add(!handlers_.empty(), Event::Kind::Click, weights.click, &handlers_);
    add(!load_.empty(), Event::Kind::Click, weights.load, &load_);
    add(!inert_.empty(), Event::Kind::Click, weights.inertClick, &inert_);
    add(hscroll_.has_value(), Event::Kind::HScroll1, weights.scroll);
    add(vscroll_.has_value(), Event::Kind::VScroll1, weights.scroll);
    add(text1_.has_value(), Event::Kind::Text1, weights.text);
    add(text2_.has_value(), Event::Kind::Text2, weights.text);
    choice_ = std::discrete_distribution<int>(frequencies.begin(), frequencies.end());
}

int EventSource::uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

template <typename T> const T &EventSource::pick(const std::vector<T> &from)
{
    return from[static_cast<std::size_t>(uniform(0, static_cast<int>(from.size()) - 1))];
}

// The ends of a bar are where trouble hides; a quarter of the moves go there.
int EventSource::scrollValue(const ScrollRange &range)
{
    switch (uniform(0, 7)) {
    case 0:
        return range.minimum;
    case 1:
        return range.maximum;
    default:
        return uniform(range.minimum, range.maximum);
    }
}

Event EventSource::next()
{
    const Choice &choice = choices_[static_cast<std::size_t>(choice_(random_))];
    Event event{choice.kind};
    switch (event.kind) {
    case Event::Kind::Tick:
        break;
    case Event::Kind::Click:
        event.control = pick(*choice.controls);
        event.action = actions_.find(event.control)->second;
        break;
    case Event::Kind::HScroll1:
        event.action = hscroll_->action;
        event.value = scrollValue(hscroll_->range);
        break;
    case Event::Kind::VScroll1:
        event.action = vscroll_->action;
        event.value = scrollValue(vscroll_->range);
        break;
    case Event::Kind::Text1:
        event.action = text1_->action;
        event.text = (!fileTexts_.empty() && uniform(0, 9) < 7) ? pick(fileTexts_) : pick(absurdTexts());
        break;
    case Event::Kind::Text2:
        event.action = text2_->action;
        event.text = pick(absurdTexts());
        break;
    }
    return event;
}

} // namespace ondel::soak
