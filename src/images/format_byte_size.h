#pragma once

#include <cstdint>
#include <string>

namespace lumidex {

// A byte count for people: the largest of TB, GB, MB, KB (powers of 1024)
// that the value reaches, else B; the number with two decimals when
// `twoDecimals` ("1.50MB"), else rounded with thousands separators
// ("1,023KB"); the unit follows without a space.
std::string FormatByteSize(int64_t bytes, bool twoDecimals);

}  // namespace lumidex
