// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "relation/korvandel.h"

namespace relation {

// Reads the form-level state of a Korvandel for the tests.
struct KorvandelInspector
{
    static const Korvandel &of(const toolkit::Form &form)
    {
        return dynamic_cast<const Korvandel &>(form);
    }
    static toolkit::Value SettlementIndex(const toolkit::Form &form)
    {
        return of(form).SettlementIndex;
    }
    static toolkit::Value RiverIndex(const toolkit::Form &form) { return of(form).RiverIndex; }
    static std::int16_t ClickSource(const toolkit::Form &form) { return of(form).ClickSource; }

    // Writes the report for a river on its own, outside any click.
    static void ShowRelation(toolkit::Form &form, toolkit::Value river, toolkit::Value settlement)
    {
        auto &korvandel = dynamic_cast<Korvandel &>(form);
        korvandel.RiverIndex = river;
        korvandel.SettlementIndex = settlement;
        korvandel.ShowRelation();
    }
};

} // namespace relation
