#include "catalogue.h"

#include "reflection/pulse_reflection_demonstrator.h"
#include "reflection/slider_reflection_demonstrator.h"
#include "speakers/speaker_demonstrator.h"
#include "standing/standing_demonstrator.h"
#include "travelling/travelling_demonstrator.h"

#include <functional>
#include <map>

namespace ondel {

namespace {

using Factory = std::function<std::unique_ptr<Demonstrator>()>;

const std::map<std::string, Factory, std::less<>> &factories()
{
    static const std::map<std::string, Factory, std::less<>> all{
        {"ondel8", [] { return std::make_unique<TravellingDemonstrator>(TravellingDemonstrator::ondel8()); }},
        {"ondel8_dou", [] { return std::make_unique<TravellingDemonstrator>(TravellingDemonstrator::ondel8Dou()); }},
        {"ondel9", [] { return std::make_unique<PulseReflectionDemonstrator>(); }},
        {"ondel10", [] { return std::make_unique<SliderReflectionDemonstrator>(); }},
        {"ondel3", [] { return std::make_unique<StandingDemonstrator>(ondel3Config); }},
        {"ondel3a", [] { return std::make_unique<StandingDemonstrator>(ondel3aConfig); }},
        {"ondel5", [] { return std::make_unique<StandingDemonstrator>(ondel5Config); }},
        {"ondel5a", [] { return std::make_unique<StandingDemonstrator>(ondel5aConfig); }},
        {"ondel15", [] { return std::make_unique<SpeakerDemonstrator>(); }},
    };
    return all;
}

} // namespace

std::vector<std::string> programNames()
{
    std::vector<std::string> names;
    for (const auto &[name, factory] : factories())
        names.push_back(name);
    return names;
}

std::unique_ptr<Demonstrator> makeProgram(std::string_view name)
{
    const auto it = factories().find(name);
    return it == factories().end() ? nullptr : it->second();
}

} // namespace ondel
