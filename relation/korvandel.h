// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/value.h"

#include <cstdint>

namespace relation {

// Which click handler began the chain of clicks that is running.
enum ClickSourceValue : std::int16_t {
    SourceNone = 0,
    SourceSettlementList = 1,
    SourceRiverOption = 2,
};

// The main window's form: a choice of a settlement selects its river, a choice
// of a river selects its last settlement, and either writes the relation
// report into Text1(0). The tables are read from the controls at every use.
class Korvandel final : public toolkit::Form
{
public:
    explicit Korvandel(toolkit::FormControls &controls);

    static std::unique_ptr<toolkit::Form> create(toolkit::FormControls &controls);

private:
    void ShowRelation();
    void List1_Click(std::int16_t &Index);
    void Option1_Click(std::int16_t &Index);

    toolkit::ControlArray<toolkit::ListBox> &List1;
    toolkit::ControlArray<toolkit::OptionButton> &Option1;
    toolkit::ControlArray<toolkit::TextBox> &Text1;

    toolkit::Value SettlementIndex;
    toolkit::Value RiverIndex;
    std::int16_t ClickSource = SourceNone;

    // The event binding names the two handlers.
    friend struct KorvandelBinding;
    // Tests read the form-level state.
    friend struct KorvandelInspector;
};

} // namespace relation
