#include "catalogue.h"

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
