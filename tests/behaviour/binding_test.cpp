// SPDX-License-Identifier: GPL-3.0-or-later
// The event binding: the toolkit raises the events of every control and of
// the form, and only Click of List1 and Click of Option1 run program code.
#include "shown_window.h"

#include "toolkit/description.h"
#include "window/binding.h"
#include "window/description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

using toolkit::BindingRecord;
using toolkit::Event;

namespace {

void noHandlerCode(toolkit::Form &, std::int16_t &) {}

// The same records with every slot filled, to see all that the toolkit raises.
std::array<BindingRecord, 6> everySlotBound()
{
    std::array<BindingRecord, 6> records = relation::KorvandelBinding::records;
    for (BindingRecord &record : records)
        record.slots.fill(&noHandlerCode);
    return records;
}

const std::array<BindingRecord, 6> kEverySlotBound = everySlotBound();

struct Seen
{
    std::string control;
    Event event;
    friend bool operator==(const Seen &, const Seen &) = default;
};

// A shown window whose every raised event is recorded, bound or not.
class WatchedWindow
{
public:
    WatchedWindow()
        : m_class{window::korvandelDescription(), kEverySlotBound, window::korvandelClass().create},
          m_window(m_class)
    {
        m_window.form.setObserver([this](const toolkit::Dispatch &dispatch) {
            if (dispatch.phase == toolkit::Dispatch::Phase::Enter)
                seen.push_back({toolkit::memberName(dispatch.control, dispatch.index), dispatch.event});
        });
    }

    bool saw(const std::string &control, Event event) const
    {
        return std::find(seen.begin(), seen.end(), Seen{control, event}) != seen.end();
    }

    ShownWindow &window() { return m_window; }
    std::vector<Seen> seen;

private:
    toolkit::FormClass m_class;
    ShownWindow m_window;
};

TEST(EventBinding, HoldsOneRecordPerControlArrayAndTheFormWithTwoFilledSlots)
{
    const auto &records = relation::KorvandelBinding::records;
    std::vector<std::string> names;
    int filled = 0;
    for (const BindingRecord &record : records) {
        names.emplace_back(record.control);
        filled += static_cast<int>(
            std::count_if(record.slots.begin(), record.slots.end(), [](auto h) { return h; }));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"List1", "Text1", "Option1", "Korvandel", "Label1",
                                               "Frame1"}));
    EXPECT_EQ(filled, 2);
    EXPECT_NE(records[0].slots[static_cast<std::size_t>(Event::Click)], nullptr);
    EXPECT_NE(records[2].slots[static_cast<std::size_t>(Event::Click)], nullptr);
}

// Acts on every part of the window that has no handler.
void actWhereNoHandlerIs(ShownWindow &window)
{
    window.user.clickControl("Label1", 0);
    window.user.clickControl("Label1", 1);
    window.user.clickControl("Frame1", -1);
    window.user.clickForm(20, 100);
    window.user.clickControl("Text1", 0);
    window.user.focus("Text1", 0);
    window.user.type("abc");
    window.user.pressKey(toolkit::Key::Space);
    window.user.pressKey(toolkit::Key::Tab);
    window.user.pressKey(toolkit::Key::Backtab);
    window.user.settle();
}

TEST(EventBinding, TheToolkitRaisesTheEventsThatHaveNoHandler)
{
    WatchedWindow watched;
    actWhereNoHandlerIs(watched.window());
    EXPECT_TRUE(watched.saw("Label1(0)", Event::Click));
    EXPECT_TRUE(watched.saw("Label1(1)", Event::MouseDown));
    EXPECT_TRUE(watched.saw("Frame1", Event::Click));
    EXPECT_TRUE(watched.saw("Korvandel", Event::Click));
    EXPECT_TRUE(watched.saw("Text1(0)", Event::Click));
    EXPECT_TRUE(watched.saw("Text1(0)", Event::KeyPress));
    EXPECT_TRUE(watched.saw("Text1(0)", Event::LostFocus));
    EXPECT_TRUE(watched.saw("Text1(0)", Event::GotFocus));
    EXPECT_TRUE(watched.saw("Korvandel", Event::MouseDown));
}

TEST(EventBinding, NothingButTheTwoClicksRunsProgramCode)
{
    ShownWindow window;
    const std::string introduction = window.report().text();
    actWhereNoHandlerIs(window);

    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.writes(), 0);
    EXPECT_EQ(window.report().text(), introduction);
    std::string shown = introduction;
    std::erase(shown, '\r');
    EXPECT_EQ(window.user.shownText(window.report()), shown);
    EXPECT_EQ(window.names().selectedIndex(), -1);
    EXPECT_EQ(window.selectedRiver(), -1);
    EXPECT_TRUE(window.SettlementIndex().isEmpty());
    EXPECT_TRUE(window.RiverIndex().isEmpty());
}

TEST(EventBinding, ADoubleClickOnTheChosenEntryRunsNoFurtherCode)
{
    ShownWindow window;
    window.chooseSettlement(20);
    window.calls.clear();
    const int before = window.writes();
    window.user.doubleClickEntry(window.names(), 20);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.writes(), before);
    EXPECT_EQ(window.names().selectedIndex(), 20);
}

TEST(EventBinding, TheHiddenListNeverRaisesClick)
{
    ShownWindow window;
    for (std::int16_t river = 0; river < 8; ++river)
        window.chooseRiver(river);
    window.chooseSettlement(3);
    for (const HandlerCall &call : window.calls)
        EXPECT_NE(call.control, "List1(1)");
    EXPECT_EQ(window.codes().selectedIndex(), -1);
}

} // namespace
