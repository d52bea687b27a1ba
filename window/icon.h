// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace window {

// The window's and the program file's icon, as XPM lines.
extern const std::span<const char *const> kIcon;

} // namespace window
