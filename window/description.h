// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace toolkit {
struct FormDescription;
struct FormClass;
struct ProjectDescription;
} // namespace toolkit

namespace window {

// The stored description of the main window Korvandel: the form and its
// fifteen controls in creation order, with the river and settlement tables.
const toolkit::FormDescription &korvandelDescription();

// The introduction that Text1(0) shows until the first choice.
extern const std::string_view kIntroduction;
// The quotation held by the hidden Text1(1).
extern const std::string_view kQuotation;

} // namespace window
