// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The programs of the family by name. A program is one description; the
// built-in list holds the nine, and the executables, the tools and the
// tests all take them from there.
namespace ondel {

class ProgramRegistry {
public:
    // Adds a program; false (and nothing added) when the name is taken.
    bool add(ProgramDescription description);

    const std::vector<ProgramDescription> &all() const { return programs_; }
    // Nullptr for an unknown name.
    const ProgramDescription *find(std::string_view name) const;
    std::unique_ptr<Demonstrator> make(std::string_view name) const;

private:
    std::vector<ProgramDescription> programs_;
};

const ProgramRegistry &builtInPrograms();

// The built-in programs' names, in the order of the list.
std::vector<std::string> programNames();
// A window of the named built-in program; nullptr for an unknown name.
std::unique_ptr<Demonstrator> makeProgram(std::string_view name);
// A window of any description, registered or not.
std::unique_ptr<Demonstrator> makeProgram(const ProgramDescription &description);

} // namespace ondel
