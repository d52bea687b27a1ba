// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace relation {

// The river and settlement tables as the window's description loads them into
// its controls: the captions into the option buttons Option1(0) to Option1(7),
// the names into List1(0) and, entry for entry, the river codes into List1(1).
// The program reads the tables from those controls only.

constexpr std::size_t kRiverCount = 8;
constexpr std::size_t kSettlementCount = 46;

// By river index, which follows the alphabetical order of the river names.
extern const std::array<std::string_view, kRiverCount> kRiverCaptions;
// By settlement index, in the order of the Bulgarian alphabet.
extern const std::array<std::string_view, kSettlementCount> kSettlementNames;
// By settlement index: the river index of the settlement's river, one digit.
extern const std::array<std::string_view, kSettlementCount> kRiverCodes;

} // namespace relation
