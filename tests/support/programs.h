// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programs/registry.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

// A built-in program opened as its family's engine.
namespace ondel::test_support {

// The named built-in program as the engine class `Engine`; throws (failing
// the test) for an unknown name or a program of another family.
template <class Engine> std::unique_ptr<Engine> openProgram(std::string_view name)
{
    std::unique_ptr<Demonstrator> program = makeProgram(name);
    auto *engine = dynamic_cast<Engine *>(program.get());
    if (!engine)
        throw std::logic_error(std::string(name) + " is not a program of the family asked for");
    program.release();
    return std::unique_ptr<Engine>(engine);
}

} // namespace ondel::test_support
