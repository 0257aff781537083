// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/session.h"

#include <charconv>

namespace ondel {

namespace {

std::string_view nextWord(std::string_view &line)
{
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    const std::size_t end = line.find(' ');
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
    return word;
}

// "down X Y", "move X Y [free]" or "up".
std::variant<SessionScript, std::string> parsePointer(std::string_view line)
{
    using K = SessionEvent::Kind;
    const std::string_view what = nextWord(line);
    if (what == "up" && line.empty())
        return SessionScript{{K::PointerUp, "up", {}, 0}};
    int x = 0;
    int y = 0;
    const bool place = readWholeNumber(nextWord(line), x) && readWholeNumber(nextWord(line), y);
    const std::string_view rest = nextWord(line);
    const bool free = rest == "free";
    if (place && line.empty() && what == "down" && rest.empty())
        return SessionScript{{K::PointerDown, "down", {}, 0, {double(x), double(y)}}};
    if (place && line.empty() && what == "move" && (rest.empty() || free))
        return SessionScript{{K::PointerMove, "move", free ? "free" : "", 0, {double(x), double(y)}, free}};
    return std::string("pointer takes down X Y, move X Y [free] or up");
}

// One line's events, or an error text.
std::variant<SessionScript, std::string> parseLine(std::string_view line)
{
    const std::string_view command = nextWord(line);
    if (command.empty() || command.front() == '#')
        return SessionScript{};
    if (command == "click") {
        const std::string_view control = nextWord(line);
        if (control.empty() || !line.empty())
            return std::string("click takes one control");
        return SessionScript{{SessionEvent::Kind::Click, std::string(control), {}, 0}};
    }
    if (command == "set") {
        const std::string_view control = nextWord(line);
        if (control.empty())
            return std::string("set takes a control and a value");
        return SessionScript{{SessionEvent::Kind::Set, std::string(control), std::string(line), 0}};
    }
    if (command == "tick") {
        int count = 0;
        if (!readWholeNumber(nextWord(line), count) || count < 1 || !line.empty())
            return std::string("tick takes a count of at least 1");
        return SessionScript{{SessionEvent::Kind::Tick, {}, {}, count}};
    }
    if (command == "sweep") {
        const std::string control(nextWord(line));
        int from = 0;
        int to = 0;
        if (control.empty() || !readWholeNumber(nextWord(line), from) || !readWholeNumber(nextWord(line), to) ||
            !line.empty() || from > to)
            return std::string("sweep takes a control, a first and a last value");
        SessionScript events;
        for (int value = from; value <= to; ++value)
            events.push_back({SessionEvent::Kind::Set, control, std::to_string(value), 0});
        return events;
    }
    if (command == "key") {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos)
            return std::string("key takes a key's name");
        return SessionScript{{SessionEvent::Kind::Key, std::string(line.substr(start)), {}, 0}};
    }
    if (command == "strobe") {
        const std::string_view count = nextWord(line);
        const std::string_view spacing = nextWord(line);
        int n = 0;
        int s = 0;
        if (!readWholeNumber(count, n) || !readWholeNumber(spacing, s) || !line.empty())
            return std::string("strobe takes a count and a spacing");
        return SessionScript{{SessionEvent::Kind::StrobeCount, {}, std::string(count), 0},
                             {SessionEvent::Kind::StrobeSpacing, {}, std::string(spacing), 0}};
    }
    if (command == "pointer")
        return parsePointer(line);
    return "unknown command " + std::string(command);
}

} // namespace

bool readWholeNumber(std::string_view text, int &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

std::variant<SessionScript, std::string> parseSession(std::string_view text)
{
    SessionScript script;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        auto events = parseLine(line);
        if (const auto *error = std::get_if<std::string>(&events))
            return "line " + std::to_string(lineNumber) + ": " + *error;
        for (SessionEvent &event : std::get<SessionScript>(events))
            script.push_back(std::move(event));
    }
    return script;
}

} // namespace ondel
