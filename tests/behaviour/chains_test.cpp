// SPDX-License-Identifier: GPL-3.0-or-later
// Choices of the user and what they leave in the window and the form: the
// report, the selection on the other side, the form-level state and the
// order in which the two click handlers ran.
#include "expected.h"
#include "relation/korvandel.h"
#include "shown_window.h"

#include <gtest/gtest.h>

#include <string>

using relation::SourceNone;
using relation::SourceRiverOption;
using relation::SourceSettlementList;
using toolkit::Value;

namespace {

const expected::River &river(std::int16_t index)
{
    return expected::rivers()[static_cast<std::size_t>(index)];
}

int reportWrites(std::int16_t riverIndex)
{
    return 2 + static_cast<int>(river(riverIndex).settlements.size());
}

TEST(ShowRelation, WritesTheWorkedExampleForRiverOgosta)
{
    ShownWindow window;
    window.chooseRiver(3);
    EXPECT_EQ(window.report().text(),
              "Избрана: река Огоста\r\nСелища:\r\nМонтана\r\nЧипровци\r\n");
    EXPECT_EQ(window.SettlementIndex(), Value(std::int16_t{44}));
    EXPECT_EQ(window.user.shownText(window.report()),
              "Избрана: река Огоста\nСелища:\nМонтана\nЧипровци\n");
}

TEST(ShowRelation, ReplacesTheIntroduction)
{
    ShownWindow window;
    EXPECT_EQ(window.report().text().rfind("Да се реализира проект", 0), 0U);
    window.chooseSettlement(12);
    EXPECT_EQ(window.report().text().rfind("Избрана: река Искър\r\nСелища:\r\nИскър\r\n", 0), 0U);
    EXPECT_EQ(window.report().text(), window.expectedReport(1));
}

class RiverChoice : public testing::TestWithParam<std::int16_t>
{
};

TEST_P(RiverChoice, WritesTheReportTwiceAndSelectsTheLastSettlement)
{
    const std::int16_t k = GetParam();
    ShownWindow window;
    window.chooseRiver(k);

    EXPECT_EQ(window.report().text(), window.expectedReport(k));
    EXPECT_EQ(window.names().selectedIndex(), river(k).last());
    EXPECT_EQ(window.selectedRiver(), k);
    EXPECT_EQ(window.ClickSource(), SourceNone);
    EXPECT_EQ(window.SettlementIndex(), Value(river(k).last()));
    EXPECT_EQ(window.RiverIndex().kind(), Value::Kind::Double);
    EXPECT_EQ(window.RiverIndex(), Value(k));

    // Option1_Click, and inside it the List1_Click raised by moving the list,
    // which passes its guard and writes the same report a second time.
    ASSERT_EQ(window.calls.size(), 2U);
    EXPECT_EQ(window.calls[0].control, "Option1(" + std::to_string(k) + ")");
    EXPECT_EQ(window.calls[0].clickSourceAtEntry, SourceNone);
    EXPECT_EQ(window.calls[1].control, "List1(0)");
    EXPECT_EQ(window.calls[1].depth, 1);
    EXPECT_EQ(window.calls[1].clickSourceAtEntry, SourceNone);
    EXPECT_EQ(window.calls[1].textAtEntry, window.report().text());
    EXPECT_EQ(window.writes(), 2 * reportWrites(k));
}

INSTANTIATE_TEST_SUITE_P(AllRivers, RiverChoice, testing::Range<std::int16_t>(0, 8),
                         [](const testing::TestParamInfo<std::int16_t> &row) {
                             return "River" + std::to_string(row.param);
                         });

class SettlementChoice : public testing::TestWithParam<std::int16_t>
{
};

TEST_P(SettlementChoice, SelectsItsRiverAndWritesTheReportOnce)
{
    const std::int16_t s = GetParam();
    const std::int16_t r = expected::riverOf(s);
    ShownWindow window;
    window.chooseSettlement(s);

    EXPECT_EQ(window.selectedRiver(), r);
    EXPECT_EQ(window.report().text(), window.expectedReport(r));
    EXPECT_EQ(window.writes(), reportWrites(r));
    EXPECT_EQ(window.names().selectedIndex(), s);
    EXPECT_EQ(window.ClickSource(), SourceNone);
    EXPECT_EQ(window.SettlementIndex(), Value(river(r).last()));
    EXPECT_EQ(window.RiverIndex().kind(), Value::Kind::Double);
    EXPECT_EQ(window.RiverIndex(), Value(r));

    // List1_Click, and inside it the Option1_Click raised by selecting the
    // river, turned away at its guard.
    ASSERT_EQ(window.calls.size(), 2U);
    EXPECT_EQ(window.calls[0].control, "List1(0)");
    EXPECT_EQ(window.calls[1].control, "Option1(" + std::to_string(r) + ")");
    EXPECT_EQ(window.calls[1].depth, 1);
    EXPECT_EQ(window.calls[1].clickSourceAtEntry, SourceSettlementList);
    EXPECT_TRUE(window.calls[1].wroteNothing());
}

INSTANTIATE_TEST_SUITE_P(AllSettlements, SettlementChoice, testing::Range<std::int16_t>(0, 46),
                         [](const testing::TestParamInfo<std::int16_t> &row) {
                             return "Settlement" + std::to_string(row.param);
                         });

TEST(SettlementChoice, SecondSettlementOfTheSameRiverLeavesTheRiverAlone)
{
    ShownWindow window;
    window.chooseSettlement(18); // Кърджали, река Арда
    window.calls.clear();
    const int before = window.writes();
    window.chooseSettlement(22); // Маджарово, река Арда

    ASSERT_EQ(window.calls.size(), 1U);
    EXPECT_EQ(window.calls[0].control, "List1(0)");
    EXPECT_EQ(window.writes() - before, reportWrites(0));
    EXPECT_EQ(window.names().selectedIndex(), 22);
    EXPECT_EQ(window.selectedRiver(), 0);
    EXPECT_EQ(window.report().text(), window.expectedReport(0));
    EXPECT_EQ(window.SettlementIndex(), Value(std::int16_t{33}));
    EXPECT_EQ(window.ClickSource(), SourceNone);
}

TEST(RiverChoice, AfterASettlementMovesTheListToTheNewRiversLast)
{
    ShownWindow window;
    window.chooseSettlement(18); // Кърджали, река Арда
    window.chooseRiver(7);       // река Янтра
    EXPECT_EQ(window.names().selectedIndex(), 9);
    EXPECT_EQ(window.nameOf(9), "Дряново");
    EXPECT_EQ(window.selectedRiver(), 7);
    EXPECT_EQ(window.report().text(), window.expectedReport(7));
    EXPECT_EQ(window.ClickSource(), SourceNone);
}

TEST(RiverChoice, OfTheRiverAlreadySelectedChangesNothing)
{
    ShownWindow window;
    window.chooseSettlement(14); // Койнаре, река Искър
    window.calls.clear();
    const int before = window.writes();
    window.chooseRiver(1);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.writes(), before);
    EXPECT_EQ(window.names().selectedIndex(), 14);
    EXPECT_EQ(window.selectedRiver(), 1);
}

TEST(ListClick, WithNoEntrySelectedChangesNothing)
{
    ShownWindow window;
    window.chooseSettlement(29); // Пловдив
    const std::string report = window.report().text();
    const Value settlement = window.SettlementIndex();
    const Value riverIndex = window.RiverIndex();
    window.calls.clear();
    const int before = window.writes();

    window.names().setSelectedIndex(-1);

    ASSERT_EQ(window.calls.size(), 1U);
    EXPECT_EQ(window.calls[0].control, "List1(0)");
    EXPECT_EQ(window.names().selectedIndex(), -1);
    EXPECT_EQ(window.writes(), before);
    EXPECT_EQ(window.report().text(), report);
    EXPECT_EQ(window.SettlementIndex(), settlement);
    EXPECT_EQ(window.RiverIndex(), riverIndex);
    EXPECT_EQ(window.RiverIndex().kind(), riverIndex.kind());
    EXPECT_EQ(window.ClickSource(), SourceNone);
    EXPECT_EQ(window.selectedRiver(), 2);

    // The next choice works as ever.
    window.chooseRiver(4);
    EXPECT_EQ(window.report().text(), window.expectedReport(4));
    EXPECT_EQ(window.names().selectedIndex(), 41);
}

TEST(ListClick, ThroughAccessibilityOnTheSelectedEntryChangesNothing)
{
    ShownWindow window;
    window.chooseSettlement(29);
    const int before = window.writes();
    window.calls.clear();
    window.user.accessibleAction(window.names(), 29);
    EXPECT_EQ(window.names().selectedIndex(), 29);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.writes(), before);
    EXPECT_EQ(window.ClickSource(), SourceNone);
}

TEST(Keyboard, ArrowsInTheListChooseASettlement)
{
    ShownWindow window;
    window.user.focus("List1", 0);
    window.user.pressKey(toolkit::Key::Down);
    EXPECT_EQ(window.names().selectedIndex(), 0); // Белово, река Марица
    EXPECT_EQ(window.selectedRiver(), 2);
    EXPECT_EQ(window.report().text(), window.expectedReport(2));

    window.user.pressKey(toolkit::Key::Down);
    EXPECT_EQ(window.names().selectedIndex(), 1); // Благоевград, река Струма
    EXPECT_EQ(window.selectedRiver(), 5);
    EXPECT_EQ(window.report().text(), window.expectedReport(5));

    window.user.pressKey(toolkit::Key::End);
    EXPECT_EQ(window.names().selectedIndex(), 45); // Ямбол, река Тунджа
    EXPECT_EQ(window.selectedRiver(), 6);
    EXPECT_EQ(window.ClickSource(), SourceNone);
}

TEST(Keyboard, ArrowsAmongTheOptionButtonsChooseARiver)
{
    ShownWindow window;
    window.chooseRiver(0);
    window.user.focus("Option1", 0);
    window.user.pressKey(toolkit::Key::Down);
    EXPECT_EQ(window.selectedRiver(), 1);
    EXPECT_EQ(window.user.focusedControl(), "Option1(1)");
    EXPECT_EQ(window.report().text(), window.expectedReport(1));
    EXPECT_EQ(window.names().selectedIndex(), 43);

    window.user.pressKey(toolkit::Key::Up);
    EXPECT_EQ(window.selectedRiver(), 0);
    EXPECT_EQ(window.names().selectedIndex(), 33);
    EXPECT_EQ(window.ClickSource(), SourceNone);
}

struct TabCase
{
    const char *name;
    std::int16_t river; // -1: none chosen yet
    std::vector<std::string> stops;
};

class TabOrder : public testing::TestWithParam<TabCase>
{
};

// The option buttons are one stop, at the selected button (the first while
// none is selected), at its place in the described order.
TEST_P(TabOrder, VisitsTheStopsInTheDescribedOrderBothWays)
{
    const TabCase &c = GetParam();
    ShownWindow window;
    if (c.river >= 0)
        window.chooseRiver(c.river);
    const int before = window.writes();
    window.user.focus("Text1", 0);

    std::vector<std::string> forwards;
    for (std::size_t i = 0; i <= c.stops.size(); ++i) {
        forwards.push_back(window.user.focusedControl());
        window.user.pressKey(toolkit::Key::Tab);
    }
    std::vector<std::string> expectedForwards = c.stops;
    expectedForwards.push_back(c.stops.front());
    EXPECT_EQ(forwards, expectedForwards);

    window.user.focus("Text1", 0);
    std::vector<std::string> backwards;
    for (std::size_t i = 0; i <= c.stops.size(); ++i) {
        backwards.push_back(window.user.focusedControl());
        window.user.pressKey(toolkit::Key::Backtab);
    }
    EXPECT_EQ(backwards.front(), c.stops.front());
    EXPECT_EQ(std::vector<std::string>(backwards.begin() + 1, backwards.end()),
              std::vector<std::string>(c.stops.rbegin(), c.stops.rend()));

    // Moving the focus chooses nothing.
    EXPECT_EQ(window.writes(), before);
    EXPECT_EQ(window.selectedRiver(), c.river);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabOrder,
    testing::Values(TabCase{"NothingChosen", -1, {"Text1(0)", "Option1(0)", "List1(0)"}},
                    TabCase{"RiverBeforeTheList", 2, {"Text1(0)", "Option1(2)", "List1(0)"}},
                    TabCase{"RiverAfterTheList", 6, {"Text1(0)", "List1(0)", "Option1(6)"}}),
    [](const testing::TestParamInfo<TabCase> &row) { return row.param.name; });

TEST(Accessibility, OptionButtonActionChoosesTheRiver)
{
    ShownWindow window;
    window.user.accessibleAction(window.option(5));
    EXPECT_EQ(window.selectedRiver(), 5);
    EXPECT_EQ(window.report().text(), window.expectedReport(5));
    EXPECT_EQ(window.names().selectedIndex(), 38);
}

TEST(Accessibility, EntryActionChoosesTheSettlement)
{
    ShownWindow window;
    window.user.accessibleAction(window.names(), 18);
    EXPECT_EQ(window.names().selectedIndex(), 18);
    EXPECT_EQ(window.selectedRiver(), 0);
    EXPECT_EQ(window.report().text(), window.expectedReport(0));
    EXPECT_EQ(window.writes(), reportWrites(0));
}

TEST(StartUp, NothingIsChosenAndNoHandlerHasRun)
{
    ShownWindow window;
    EXPECT_TRUE(window.SettlementIndex().isEmpty());
    EXPECT_TRUE(window.RiverIndex().isEmpty());
    EXPECT_EQ(window.ClickSource(), SourceNone);
    EXPECT_EQ(window.selectedRiver(), -1);
    EXPECT_EQ(window.names().selectedIndex(), -1);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.writes(), 0);
}

TEST(Tables, HoldTheSettlementsAndTheirRiversSideBySide)
{
    ShownWindow window;
    ASSERT_EQ(window.names().entryCount(), 46);
    ASSERT_EQ(window.codes().entryCount(), 46);
    EXPECT_EQ(window.nameOf(0), "Белово");
    EXPECT_EQ(window.codes().entry(0), "2");
    EXPECT_EQ(window.nameOf(12), "Искър");
    EXPECT_EQ(window.codes().entry(12), "1");
    EXPECT_EQ(window.nameOf(25), "Нови Искър");
    EXPECT_EQ(window.codes().entry(25), "1");
    EXPECT_EQ(window.nameOf(45), "Ямбол");
    EXPECT_EQ(window.codes().entry(45), "6");
    EXPECT_EQ(window.option(4).caption(), "река Осъм");
    for (const expected::River &r : expected::rivers()) {
        EXPECT_EQ(window.option(r.index).caption(), r.caption);
        for (const std::int16_t s : r.settlements)
            EXPECT_EQ(window.codes().entry(s), std::to_string(r.index)) << "settlement " << s;
    }
}

} // namespace
