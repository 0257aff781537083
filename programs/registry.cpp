// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry.h"

#include "programs/program_summaries.h"

#include "reflection/reflection_program.h"
#include "speakers/speaker_program.h"
#include "standing/standing_program.h"
#include "travelling/travelling_program.h"

#include <algorithm>

namespace ondel {

namespace {

// A program's name with its summaries from the table CMake keeps.
ProgramIdentity identityOf(std::string_view name)
{
    for (const ProgramSummary &summary : programSummaries)
        if (summary.name == name)
            return {std::string(name), std::string(summary.japanese), std::string(summary.english)};
    return {std::string(name), {}, {}};
}

ProgramRegistry theNine()
{
    using P = ParticlePhase;
    const std::vector<ProgramDescription> list{
        travellingProgram(identityOf("ondel8"),
                          {.defaultFile = "pulse160a", .secondDirection = SecondPulseDirection::Backward}),
        travellingProgram(identityOf("ondel8_dou"),
                          {.defaultFile = "dou160", .secondDirection = SecondPulseDirection::Forward}),
        reflectionProgram(identityOf("ondel9"),
                          {.source = IncidentSource::LoadedPulse,
                           .endChoices = EndChoices::FreeFixed,
                           .timeLimit = 2880,
                           .defaultFile = "pulse160a",
                           .smallReflectedRim = colour::red}),
        reflectionProgram(identityOf("ondel10"),
                          // Several minutes of drawing at 10 ms a tick.
                          {.source = IncidentSource::SlideBar,
                           .endChoices = EndChoices::FreeFixedNonReflecting,
                           .timeLimit = 31500,
                           .defaultFile = {},
                           .smallReflectedRim = colour::black}),
        standingProgram(identityOf("ondel3"),
                        {.timeDivisor = 20, .particlePhase = P::ParticleNumber, .window = narrowSineWindow, .timer = slowSineTimer}),
        standingProgram(identityOf("ondel3a"),
                        {.timeDivisor = 20, .particlePhase = P::DataPosition, .window = wideSineWindow, .timer = slowSineTimer}),
        // Time at half the rate per tick.
        standingProgram(identityOf("ondel5"),
                        {.timeDivisor = 40, .particlePhase = P::ParticleNumber, .window = narrowSineWindow, .timer = fastSineTimer}),
        standingProgram(identityOf("ondel5a"),
                        {.timeDivisor = 20, .particlePhase = P::DataPosition, .window = wideSineWindow, .timer = fastSineTimer}),
        speakerProgram(identityOf("ondel15")),
    };
    ProgramRegistry registry;
    for (const ProgramDescription &description : list)
        registry.add(description);
    return registry;
}

} // namespace

bool ProgramRegistry::add(ProgramDescription description)
{
    if (find(description.identity.name))
        return false;
    programs_.push_back(std::move(description));
    return true;
}

const ProgramDescription *ProgramRegistry::find(std::string_view name) const
{
    const auto it = std::find_if(programs_.begin(), programs_.end(),
                                 [&](const ProgramDescription &p) { return p.identity.name == name; });
    return it == programs_.end() ? nullptr : &*it;
}

std::unique_ptr<Demonstrator> ProgramRegistry::make(std::string_view name) const
{
    const ProgramDescription *description = find(name);
    return description ? makeProgram(*description) : nullptr;
}

const ProgramRegistry &builtInPrograms()
{
    static const ProgramRegistry nine = theNine();
    return nine;
}

std::vector<std::string> programNames()
{
    std::vector<std::string> names;
    for (const ProgramDescription &description : builtInPrograms().all())
        names.push_back(description.identity.name);
    return names;
}

std::unique_ptr<Demonstrator> makeProgram(std::string_view name) { return builtInPrograms().make(name); }

std::unique_ptr<Demonstrator> makeProgram(const ProgramDescription &description)
{
    return description.engine(description);
}

} // namespace ondel
