// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"

#include "korvandel.xpm"

namespace window {

const std::span<const char *const> kIcon = korvandel_xpm;

} // namespace window
