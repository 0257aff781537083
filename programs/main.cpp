// SPDX-License-Identifier: GPL-3.0-or-later
// One program of the family; the build makes one executable per program,
// each naming itself in ONDEL_PROGRAM.
#include "programs/registry.h"
#include "desktop/runprogram.h"

int main(int argc, char **argv)
{
    return ondel::runProgram(argc, argv, ondel::makeProgram(ONDEL_PROGRAM));
}
