// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/driver.h"
#include "toolkit/form.h"
#include "toolkit/value.h"

#include <cstdint>
#include <string>
#include <vector>

// One handler activation as the tests saw it through the event dispatch.
struct HandlerCall
{
    std::string control; // "List1(0)"
    std::int16_t clickSourceAtEntry = 0;
    int writesAtEntry = 0;
    int writesAtLeave = -1;
    std::string textAtEntry;
    int depth = 0;

    bool wroteNothing() const { return writesAtLeave == writesAtEntry; }
};

// A main window, created fresh and shown, with a user to act on it and a
// record of every handler that the toolkit called.
class ShownWindow
{
public:
    ShownWindow();
    explicit ShownWindow(const toolkit::FormClass &formClass);

    toolkit::ListBox &names() const;
    toolkit::ListBox &codes() const;
    toolkit::OptionButton &option(std::int16_t river) const;
    toolkit::TextBox &report() const;

    // The option button that is selected, or -1.
    std::int16_t selectedRiver() const;
    std::string nameOf(std::int16_t settlement) const;
    std::string expectedReport(std::int16_t river) const;

    // The report for a river written outside any click, from the state given.
    void ShowRelation(toolkit::Value river, toolkit::Value settlement);
    toolkit::Value SettlementIndex() const;
    toolkit::Value RiverIndex() const;
    std::int16_t ClickSource() const;
    int writes() const { return user.textWrites(report()); }

    // The user chooses a river by clicking its option button, or a
    // settlement by clicking its entry.
    void chooseRiver(std::int16_t river);
    void chooseSettlement(std::int16_t settlement);

    toolkit::FormInstance form;
    toolkit::UserDriver user{form};
    std::vector<HandlerCall> calls;

private:
    std::vector<std::size_t> m_open;
};

// "river 3" / "settlement 12": choices as the pair and soak tests name them.
struct Choice
{
    enum class Side : std::uint8_t { River, Settlement };
    Side side;
    std::int16_t index;

    std::string name() const;
    void applyTo(ShownWindow &window) const;
};
std::vector<Choice> allChoices();
