// SPDX-License-Identifier: GPL-3.0-or-later
#include "korvandel.h"

#include <string_view>

namespace relation {

namespace {

constexpr std::string_view kChosen = "Избрана: ";
constexpr std::string_view kSettlementsHeading = "Селища:";
constexpr std::string_view kLineEnd = "\r\n";

} // namespace

using toolkit::join;
using toolkit::numericValue;
using toolkit::Value;

Korvandel::Korvandel(toolkit::FormControls &controls)
    : List1(controls.listBoxes("List1")), Option1(controls.optionButtons("Option1")),
      Text1(controls.textBoxes("Text1"))
{
}

std::unique_ptr<toolkit::Form> Korvandel::create(toolkit::FormControls &controls)
{
    return std::make_unique<Korvandel>(controls);
}

void Korvandel::ShowRelation()
{
    const std::int16_t n = List1(0).entryCount();
    const std::int16_t k = RiverIndex.toInteger();
    Text1(0).setText(join(join(kChosen, Option1(k).caption()), kLineEnd));
    Text1(0).setText(join(join(Text1(0).text(), kSettlementsHeading), kLineEnd));
    toolkit::countedLoop(1, n, 1, [this](std::int16_t counter) {
        const std::int16_t j = (Value(counter) - Value(std::int16_t{1})).toInteger();
        if (Value(numericValue(List1(1).entry(j))) == RiverIndex) {
            Text1(0).setText(join(join(Text1(0).text(), List1(0).entry(j)), kLineEnd));
            SettlementIndex = Value(j);
        }
    });
    ClickSource = SourceNone;
}

void Korvandel::List1_Click(std::int16_t & /*Index*/)
{
    if (ClickSource == SourceRiverOption)
        return;
    // A click that leaves the list with no selection has no settlement to
    // show: it changes nothing, and above all reads no entry outside the list.
    const std::int16_t selected = List1(0).selectedIndex();
    if (selected < 0)
        return;
    ClickSource = SourceSettlementList;
    SettlementIndex = Value(selected);
    RiverIndex = Value(numericValue(List1(1).entry(SettlementIndex.toInteger())));
    Option1(RiverIndex.toInteger()).setSelected(true);
    ShowRelation();
}

void Korvandel::Option1_Click(std::int16_t &Index)
{
    if (ClickSource == SourceSettlementList)
        return;
    ClickSource = SourceRiverOption;
    RiverIndex = Value(Index);
    ShowRelation();
    List1(0).setSelectedIndex(SettlementIndex.toInteger());
}

} // namespace relation
