// A value rounded or cut to significant digits on its shortest decimal form, as the
// standard's spring tables write their numbers (tools/gen_tables.py rounds the same way).
#pragma once

namespace torvelix {

// The value rounded half away from zero to `digits` significant digits (1 .. 17) of its
// shortest round-trip decimal form: 0.5125 gives 0.513 (not 0.512, as the binary value
// just below would). Zero and non-finite values are returned unchanged.
double roundSignificant(double value, int digits);

// The same, cut towards zero: 5.078 gives 5.07, and 3.8 (binary 3.7999...) stays 3.80.
double cutSignificant(double value, int digits);

} // namespace torvelix
