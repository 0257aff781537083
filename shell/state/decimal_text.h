// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Numbers written into files the teacher keeps (a pulse data file, a table
// of readings): always with a point as the decimal point, whatever locale
// the application took from the user, so that every program and every
// spreadsheet reads them back alike.
namespace ondel {

// The shortest decimal that the pulse file reader turns back into exactly
// `value` ("1.4", "0.328125", "-0.25"); "0" for either zero. `value` must be
// finite.
std::string shortestDecimal(float value);

// `value` with at most `places` decimals, trailing zeros dropped ("0.25",
// "-1.5", "3"); "0" for anything that rounds to zero.
std::string roundedDecimal(double value, int places);

} // namespace ondel
