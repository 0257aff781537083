#include "registry.h"

#include "reflection/reflection_program.h"
#include "speakers/speaker_program.h"
#include "standing/standing_program.h"
#include "travelling/travelling_program.h"

#include <algorithm>

namespace ondel {

namespace {

ProgramRegistry theNine()
{
    using P = ParticlePhase;
    const std::vector<ProgramDescription> list{
        travellingProgram({"ondel8", "2つのパルスがすれ違い、重なり合う様子",
                           "Two pulses running through each other, and their superposition"},
                          {.defaultFile = "pulse160a", .secondDirection = SecondPulseDirection::Backward}),
        travellingProgram({"ondel8_dou", "同じ向きに進む2つのパルスとその和", "Two pulses running the same way, and their sum"},
                          {.defaultFile = "dou160", .secondDirection = SecondPulseDirection::Forward}),
        reflectionProgram({"ondel9", "自由端・固定端でのパルスの反射", "A pulse reflected at a free or a fixed end"},
                          {.source = IncidentSource::LoadedPulse,
                           .endChoices = EndChoices::FreeFixed,
                           .timeLimit = 2880,
                           .defaultFile = "pulse160a",
                           .smallReflectedRim = colour::red}),
        reflectionProgram({"ondel10", "スライドバーで描いたパルスの反射（自由端・固定端・無反射）",
                           "A hand-drawn pulse reflected at a free, fixed or non-reflecting end"},
                          // Several minutes of drawing at 10 ms a tick.
                          {.source = IncidentSource::SlideBar,
                           .endChoices = EndChoices::FreeFixedNonReflecting,
                           .timeLimit = 31500,
                           .defaultFile = {},
                           .smallReflectedRim = colour::black}),
        standingProgram({"ondel3", "進行波と定常波", "A travelling sine wave and the standing wave"},
                        {.timeDivisor = 20, .particlePhase = P::ParticleNumber, .window = narrowSineWindow, .timer = slowSineTimer}),
        standingProgram({"ondel3a", "進行波と定常波（横長の画面）", "A travelling sine wave and the standing wave, wide window"},
                        {.timeDivisor = 20, .particlePhase = P::DataPosition, .window = wideSineWindow, .timer = slowSineTimer}),
        // Time at half the rate per tick.
        standingProgram({"ondel5", "進行波と定常波（速いタイマー、細かい y-t 線）",
                         "A travelling and standing sine wave with a fast timer and a fine y-t trace"},
                        {.timeDivisor = 40, .particlePhase = P::ParticleNumber, .window = narrowSineWindow, .timer = fastSineTimer}),
        standingProgram({"ondel5a", "進行波と定常波（速いタイマー、横長の画面）",
                         "A travelling and standing sine wave with a fast timer, wide window"},
                        {.timeDivisor = 20, .particlePhase = P::DataPosition, .window = wideSineWindow, .timer = fastSineTimer}),
        speakerProgram({"ondel15", "2つのスピーカーからの音の重ね合わせ（同相・逆相）",
                        "The sound of two loudspeakers in phase or in anti-phase"}),
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
