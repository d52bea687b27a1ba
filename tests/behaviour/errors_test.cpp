// SPDX-License-Identifier: GPL-3.0-or-later
// Failures of toolkit operations: each is a toolkit::Error that names the
// operation. (What one that leaves a handler does is in bad_tables_test.)
#include "shown_window.h"

#include "toolkit/description.h"
#include "toolkit/error.h"
#include "toolkit/value.h"
#include "window/binding.h"
#include "window/description.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct FailureCase
{
    const char *name;
    std::function<void(ShownWindow &)> operation;
    const char *message;
};

class ToolkitFailure : public testing::TestWithParam<FailureCase>
{
};

TEST_P(ToolkitFailure, RaisesAnErrorThatNamesTheOperation)
{
    ShownWindow window;
    try {
        GetParam().operation(window);
        FAIL() << "no error raised";
    } catch (const toolkit::Error &error) {
        EXPECT_THAT(error.what(), testing::HasSubstr(GetParam().message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToolkitFailure,
    testing::Values(
        FailureCase{"NoSuchOptionButton", [](ShownWindow &w) { w.option(8); },
                    "Option1(8): no such member"},
        FailureCase{"NegativeMember", [](ShownWindow &w) { w.option(-1); },
                    "Option1(-1): no such member"},
        FailureCase{"NoSuchListBox",
                    [](ShownWindow &w) { w.form.controls().listBoxes("List1")(2); },
                    "List1(2): no such member"},
        FailureCase{"NoSuchControlArray",
                    [](ShownWindow &w) { w.form.controls().textBoxes("Text9"); },
                    "Text9: the form has no text box"},
        FailureCase{"EntryPastTheEnd", [](ShownWindow &w) { w.codes().entry(46); },
                    "List1(1): entry 46: outside the list of 46 entries"},
        FailureCase{"EntryBeforeTheStart", [](ShownWindow &w) { w.codes().entry(-1); },
                    "List1(1): entry -1: outside the list"},
        FailureCase{"SelectingPastTheEnd", [](ShownWindow &w) { w.names().setSelectedIndex(46); },
                    "List1(0): selecting entry 46: outside the list"},
        FailureCase{"TextThatIsNoNumber", [](ShownWindow &) { toolkit::numericValue("x"); },
                    "numeric value of \"x\": the text is not a decimal number"},
        FailureCase{"EmptyTextIsNoNumber", [](ShownWindow &) { toolkit::numericValue(""); },
                    "numeric value of \"\""},
        FailureCase{"NumberWithABlank", [](ShownWindow &) { toolkit::numericValue(" 3"); },
                    "numeric value of \" 3\""},
        FailureCase{"InfinityIsNoNumber", [](ShownWindow &) { toolkit::numericValue("inf"); },
                    "numeric value of \"inf\""},
        FailureCase{"IntegerOverflow",
                    [](ShownWindow &) { toolkit::Value(40000.0).toInteger(); },
                    "conversion to a 16-bit integer: 40000"},
        FailureCase{"SubtractionOverflow",
                    [](ShownWindow &) {
                        toolkit::Value(std::int16_t{-32768}) - toolkit::Value(std::int16_t{1});
                    },
                    "16-bit subtraction: -32769 is outside"},
        FailureCase{"EmptyValue", [](ShownWindow &) { toolkit::Value().toInteger(); },
                    "the value is empty"},
        FailureCase{"LoopWithoutStep",
                    [](ShownWindow &) { toolkit::countedLoop(1, 2, 0, [](std::int16_t) {}); },
                    "counted loop: the step is 0"}),
    [](const testing::TestParamInfo<FailureCase> &row) { return row.param.name; });

} // namespace
