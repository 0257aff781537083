#pragma once

#include "shell/demonstrator.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Every program of the family by name, for the tools and tests that visit
// them all. The programs themselves do not use it.
namespace ondel {

std::vector<std::string> programNames();
// Nullptr for an unknown name.
std::unique_ptr<Demonstrator> makeProgram(std::string_view name);

} // namespace ondel
