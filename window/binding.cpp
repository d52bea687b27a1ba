// SPDX-License-Identifier: GPL-3.0-or-later
#include "binding.h"

#include "relation/korvandel.h"
#include "toolkit/runtime.h"
#include "description.h"

namespace relation {

using toolkit::BindingRecord;
using toolkit::Event;

const std::array<BindingRecord, 6> KorvandelBinding::records = {
    BindingRecord{"List1"}.on(Event::Click,
                              &toolkit::handler<Korvandel, &Korvandel::List1_Click>),
    BindingRecord{"Text1"},
    BindingRecord{"Option1"}.on(Event::Click,
                                &toolkit::handler<Korvandel, &Korvandel::Option1_Click>),
    BindingRecord{"Korvandel"},
    BindingRecord{"Label1"},
    BindingRecord{"Frame1"},
};

} // namespace relation

namespace window {

const toolkit::FormClass &korvandelClass()
{
    static const toolkit::FormClass formClass{korvandelDescription(),
                                              relation::KorvandelBinding::records,
                                              &relation::Korvandel::create};
    return formClass;
}

const toolkit::ProjectDescription &project()
{
    static const toolkit::ProjectDescription description{
        "reki-i-selishta", "Реки и селища", korvandelClass()};
    return description;
}

} // namespace window
