// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/form.h"
#include "toolkit/runtime.h"

#include <array>

namespace relation {

// The event binding of Korvandel, fixed when the program is built: one record
// for each control array and one for the form, of which only Click of List1
// and Click of Option1 name a handler.
struct KorvandelBinding
{
    static const std::array<toolkit::BindingRecord, 6> records;
};

} // namespace relation

namespace window {

const toolkit::FormClass &korvandelClass();
const toolkit::ProjectDescription &project();

} // namespace window
