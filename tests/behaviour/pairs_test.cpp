// SPDX-License-Identifier: GPL-3.0-or-later
// Every pair of consecutive choices, each pair on a fresh window: after each
// choice the guard is released, the two sides agree and the report is the
// selected river's.
#include "shown_window.h"

#include "expected.h"
#include "relation/korvandel.h"

#include <gtest/gtest.h>

namespace {

void expectConsistent(const ShownWindow &window, const std::string &when)
{
    SCOPED_TRACE(when);
    EXPECT_EQ(window.ClickSource(), relation::SourceNone);
    const std::int16_t settlement = window.names().selectedIndex();
    ASSERT_GE(settlement, 0);
    const std::int16_t river = window.selectedRiver();
    EXPECT_EQ(river, expected::riverOf(settlement));
    EXPECT_EQ(window.report().text(), window.expectedReport(river));
}

TEST(ConsecutiveChoices, EveryPairLeavesBothSidesInStep)
{
    const std::vector<Choice> choices = allChoices();
    ASSERT_EQ(choices.size(), 54U);
    for (const Choice &first : choices) {
        for (const Choice &second : choices) {
            ShownWindow window;
            first.applyTo(window);
            expectConsistent(window, "after " + first.name());
            second.applyTo(window);
            expectConsistent(window, "after " + first.name() + ", then " + second.name());
            if (HasFailure())
                return;
        }
    }
}

} // namespace
