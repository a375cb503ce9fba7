#pragma once

#include "bank_verifier.h"

#include <cstdint>
#include <string>

namespace seedbank {

// The generated data source: a header comment saying how it was made and how to make it
// again, then one constant array of records per list, each record split into literals of
// whole rows so no literal grows long.
std::string RecordsSource(const Bank& bank, std::uint64_t seed);

} // namespace seedbank
