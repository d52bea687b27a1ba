// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged tables, through a description of the window that the program never
// ships. Where the report's rules say what happens, exactly that; otherwise
// the failed operation ends the program with a message that names it on
// standard error and a non-zero exit status: never a crash or a hang.
#include "shown_window.h"

#include "relation/korvandel.h"
#include "toolkit/description.h"
#include "window/binding.h"
#include "window/description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using toolkit::ControlDescription;
using toolkit::Value;

namespace {

// The window's description with its tables damaged.
class DamagedTables
{
public:
    DamagedTables()
    {
        const toolkit::FormDescription &original = window::korvandelDescription();
        m_controls.assign(original.controls.begin(), original.controls.end());
        m_description = original;
        m_codes.assign(control("List1", 1).entries.begin(), control("List1", 1).entries.end());
        m_names.assign(control("List1", 0).entries.begin(), control("List1", 0).entries.end());
    }

    DamagedTables &code(std::size_t settlement, const char *code)
    {
        m_codes.at(settlement) = code;
        return *this;
    }
    DamagedTables &codesUpTo(std::size_t count)
    {
        m_codes.resize(count);
        return *this;
    }
    DamagedTables &noSettlements()
    {
        m_names.clear();
        m_codes.clear();
        return *this;
    }
    DamagedTables &without(std::string_view name, std::int16_t index)
    {
        std::erase_if(m_controls, [&](const ControlDescription &c) {
            return c.name == name && c.index == index;
        });
        return *this;
    }

    toolkit::FormClass formClass()
    {
        control("List1", 1).entries = m_codes;
        control("List1", 0).entries = m_names;
        m_description.controls = m_controls;
        return {m_description, relation::KorvandelBinding::records,
                window::korvandelClass().create};
    }

private:
    ControlDescription &control(std::string_view name, std::int16_t index)
    {
        return *std::find_if(m_controls.begin(), m_controls.end(), [&](const ControlDescription &c) {
            return c.name == name && c.index == index;
        });
    }

    std::vector<std::string_view> m_codes;
    std::vector<std::string_view> m_names;
    std::vector<ControlDescription> m_controls;
    toolkit::FormDescription m_description;
};

struct FatalCase
{
    const char *name;
    std::function<void(DamagedTables &)> damage;
    std::function<void(ShownWindow &)> choose;
    const char *message;
};

class DamagedTablesEndTheProgram : public testing::TestWithParam<FatalCase>
{
};

TEST_P(DamagedTablesEndTheProgram, WithAMessageThatNamesTheFailedOperation)
{
    const FatalCase &c = GetParam();
    EXPECT_EXIT(
        {
            DamagedTables tables;
            c.damage(tables);
            ShownWindow window(tables.formClass());
            c.choose(window);
            std::exit(0);
        },
        testing::ExitedWithCode(EXIT_FAILURE), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedTablesEndTheProgram,
    testing::Values(
        FatalCase{"RiverCodeNine", [](DamagedTables &tables) { tables.code(0, "9"); },
                  [](ShownWindow &window) { window.chooseSettlement(0); },
                  "Click of List1\\(0\\) failed: Option1\\(9\\): no such member"},
        FatalCase{"RiverCodeThatIsNoNumber", [](DamagedTables &tables) { tables.code(7, "x"); },
                  [](ShownWindow &window) { window.chooseSettlement(7); },
                  "Click of List1\\(0\\) failed: numeric value of \"x\""},
        FatalCase{"ReportMeetsACodeThatIsNoNumber", [](DamagedTables &tables) { tables.code(7, "x"); },
                  [](ShownWindow &window) { window.chooseRiver(2); },
                  "Click of Option1\\(2\\) failed: numeric value of \"x\""},
        FatalCase{"CodeListShorterThanNameList", [](DamagedTables &tables) { tables.codesUpTo(40); },
                  [](ShownWindow &window) { window.chooseRiver(2); },
                  "Click of Option1\\(2\\) failed: List1\\(1\\): entry 40: outside the list"},
        FatalCase{"SettlementBeyondTheCodeList", [](DamagedTables &tables) { tables.codesUpTo(40); },
                  [](ShownWindow &window) { window.chooseSettlement(42); },
                  "Click of List1\\(0\\) failed: List1\\(1\\): entry 42: outside the list"},
        FatalCase{"RiverOnAnEmptyList", [](DamagedTables &tables) { tables.noSettlements(); },
                  [](ShownWindow &window) { window.chooseRiver(3); },
                  "Click of Option1\\(3\\) failed: conversion to a 16-bit integer: the value "
                  "is empty"},
        FatalCase{"SettlementOfAMissingOptionButton",
                  [](DamagedTables &tables) { tables.without("Option1", 3); },
                  [](ShownWindow &window) { window.chooseSettlement(24); },
                  "Click of List1\\(0\\) failed: Option1\\(3\\): no such member"}),
    [](const testing::TestParamInfo<FatalCase> &row) { return row.param.name; });

TEST(DamagedTables, AnEmptyListGivesTheTwoHeadingLinesAndKeepsSettlementIndex)
{
    DamagedTables tables;
    tables.noSettlements();
    ShownWindow window(tables.formClass());
    window.ShowRelation(Value(std::int16_t{3}), Value(std::int16_t{17}));
    EXPECT_EQ(window.report().text(), "Избрана: река Огоста\r\nСелища:\r\n");
    EXPECT_EQ(window.SettlementIndex(), Value(std::int16_t{17}));
    EXPECT_EQ(window.ClickSource(), relation::SourceNone);
}

TEST(DamagedTables, ARiverNoCodeNamesGivesTheTwoHeadingLinesAndKeepsSettlementIndex)
{
    DamagedTables tables;
    tables.code(24, "2").code(44, "2");
    ShownWindow window(tables.formClass());
    window.ShowRelation(Value(std::int16_t{3}), Value(std::int16_t{9}));
    EXPECT_EQ(window.report().text(), "Избрана: река Огоста\r\nСелища:\r\n");
    EXPECT_EQ(window.SettlementIndex(), Value(std::int16_t{9}));

    // Chosen, such a river moves the list to the settlement that
    // SettlementIndex still names, whose choice then shows its own river.
    window.chooseSettlement(5); // Габрово, река Янтра: SettlementIndex 9
    window.chooseRiver(3);
    EXPECT_EQ(window.names().selectedIndex(), 9);
    EXPECT_EQ(window.selectedRiver(), 7);
    EXPECT_EQ(window.report().text(), window.expectedReport(7));
    EXPECT_EQ(window.ClickSource(), relation::SourceNone);
}

TEST(DamagedTables, AMissingOptionButtonLeavesTheOtherRiversWorking)
{
    DamagedTables tables;
    tables.without("Option1", 3);
    ShownWindow window(tables.formClass());
    window.chooseRiver(2);
    EXPECT_EQ(window.report().text(), window.expectedReport(2));
    EXPECT_EQ(window.names().selectedIndex(), 42);
}

} // namespace
