// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak_run.h"

#include "soak_checks.h"
#include "soak_events.h"

#include "fuzz/pulse_invariants.h"
#include "shell/window/pulse_demonstrator.h"
#include "shell/pulse/pulse_file.h"

#include <algorithm>
#include <deque>
#include <map>

namespace ondel::soak {

namespace {

// The pulse tables before a load, to prove what the load may and may not
// change.
struct Tables {
    PulseTable forward;
    PulseTable backward;
};

std::optional<Tables> tables(const Demonstrator &program)
{
    if (const auto *pulse = dynamic_cast<const PulseDemonstrator *>(&program))
        return Tables{pulse->forwardPulse(), pulse->backwardPulse()};
    return std::nullopt;
}

// After a load: indices 1..n hold the file's records, everything else is as
// before. After a refusal: everything is as before.
std::optional<std::string> tablesFault(const Tables &before, const Tables &after, const PulseRecords *loaded)
{
    const std::size_t n = loaded ? loaded->first.size() : 0;
    for (int k = 0; k <= PulseTable::lastIndex; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const bool fromFile = k >= 1 && index <= n;
        const float forward = fromFile ? loaded->first[index - 1] : before.forward.at(k);
        const float backward = fromFile ? loaded->second[index - 1] : before.backward.at(k);
        if (after.forward.at(k) != forward || after.backward.at(k) != backward)
            return "pulse tables wrong at index " + std::to_string(k) + (loaded ? " after a load" : " after a refusal");
    }
    return std::nullopt;
}

class Soak {
public:
    Soak(Demonstrator &program, const PulseFileFolder &files, std::uint64_t seed)
        : program_(program), source_(program.layout(), seed, fileTexts(files)), time_(program)
    {
        for (const PulseFileCase &fileCase : files.cases())
            expected_[files.text1(fileCase)] = fileCase.expect;
    }

    SoakResult run(std::int64_t events)
    {
        for (std::int64_t i = 0; i < events; ++i) {
            const Event event = source_.next();
            recent_.push_back(describe(event));
            if (recent_.size() > 12)
                recent_.pop_front();
            auto fault = apply(event);
            if (!fault)
                fault = drain();
            if (!fault)
                fault = stateFault(program_, time_);
            ++figures_.events;
            if (fault)
                return {figures_, report(i, *fault)};
        }
        return {figures_, std::nullopt};
    }

private:
    static std::vector<std::string> fileTexts(const PulseFileFolder &files)
    {
        std::vector<std::string> texts;
        for (const PulseFileCase &fileCase : files.cases())
            texts.push_back(files.text1(fileCase));
        return texts;
    }

    std::optional<std::string> apply(const Event &event)
    {
        const WindowState before = program_.state();
        switch (event.kind) {
        case Event::Kind::Tick:
            program_.nextFrame();
            time_.tick(before);
            ++figures_.ticks;
            figures_.largestFrame = std::max(figures_.largestFrame, program_.frame().size());
            return frameFault(program_);
        case Event::Kind::Click:
            return click(event, before);
        case Event::Kind::HScroll1:
        case Event::Kind::VScroll1: {
            program_.setValue(event.action, event.value);
            WindowState expected = before;
            if (event.action == Action::Speed)
                expected.timerInterval = event.value;
            return unchangedBut(expected, describe(event));
        }
        case Event::Kind::Text1:
        case Event::Kind::Text2:
            program_.setText(event.action, event.text);
            return unchangedBut(before, event.kind == Event::Kind::Text1 ? "Text1" : "Text2");
        }
        return std::nullopt;
    }

    // Editing a text, moving a bar or clicking a label changes no state of
    // its own; only the next tick (or the speed's timer) shows it.
    std::optional<std::string> unchangedBut(const WindowState &expected, const std::string &control) const
    {
        if (program_.state() == expected)
            return std::nullopt;
        return control + " changed the window state";
    }

    // The click goes where the window sends it: to the action the layout
    // binds the control to.
    std::optional<std::string> click(const Event &event, const WindowState &before)
    {
        const std::string &control = event.control;
        const bool isLoad = event.action == Action::LoadPulse;
        const std::optional<Tables> tablesBefore = isLoad ? tables(program_) : std::nullopt;
        const bool clickable = std::count(source_.clickable().begin(), source_.clickable().end(), control) > 0;
        const bool ran = program_.perform(event.action);
        if (ran != clickable)
            return control + (ran ? " reacted, but should react to nothing" : " has no handler");
        if (!ran)
            return unchangedBut(before, control);
        if (ran)
            figures_.clicked.insert(control);
        message_ = program_.takeMessage();
        const bool loaded = isLoad && !message_;
        time_.click(event.action, before, loaded);
        if (message_ && !isLoad)
            return control + " reported: " + *message_;
        if (!isLoad)
            return std::nullopt;

        ++(loaded ? figures_.loads : figures_.refusals);
        const std::string &text1 = program_.inputs().pulseFileName;
        if (const auto it = expected_.find(text1); it != expected_.end()) {
            if (loaded && it->second == Expect::Refuse)
                return "a bad file was loaded: " + text1;
            if (!loaded && it->second == Expect::Load)
                return "a good file was refused: " + *message_;
        }
        if (!tablesBefore)
            return std::nullopt;
        const PulseReadResult file = loaded ? readPulseFile(text1 + ".csv") : PulseReadResult{};
        return tablesFault(*tablesBefore, *tables(program_), loaded ? &std::get<PulseRecords>(file) : nullptr);
    }

    // What the window takes after every event: the picture's drawing and the
    // message for the teacher.
    std::optional<std::string> drain()
    {
        const std::vector<Primitive> picture = program_.takePictureOps();
        figures_.largestPictureBatch = std::max(figures_.largestPictureBatch, picture.size());
        if (auto fault = primitivesFault(picture, mostPrimitivesPerFrame))
            return "Picture1: " + *fault;
        if (auto stray = program_.takeMessage())
            return "a message outside a file load: " + *stray;
        const std::optional<std::string> message = std::exchange(message_, std::nullopt);
        if (message && (message->empty() || !fuzz::isValidUtf8(*message)))
            return "a message the window cannot show: " + *message;
        return std::nullopt;
    }

    std::string report(std::int64_t index, const std::string &fault) const
    {
        std::string text = "event " + std::to_string(index) + ": " + fault + "\nlast events:";
        for (const std::string &event : recent_)
            text += "\n  " + event;
        return text;
    }

    Demonstrator &program_;
    EventSource source_;
    ExpectedTime time_;
    std::map<std::string, Expect> expected_;
    std::optional<std::string> message_;
    std::deque<std::string> recent_;
    SoakFigures figures_;
};

} // namespace

SoakResult runSoak(Demonstrator &program, const PulseFileFolder &files, std::uint64_t seed, std::int64_t events)
{
    return Soak(program, files, seed).run(events);
}

} // namespace ondel::soak
