// SPDX-License-Identifier: GPL-3.0-or-later
// Failures of toolkit operations: each is a toolkit::Error that names the
// operation, and one that leaves a handler ends the program with that message
// on standard error and a non-zero exit status.
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

// The window's description with other river codes in the hidden list.
class DamagedTables
{
public:
    explicit DamagedTables(std::vector<std::string_view> codes) : m_codes(std::move(codes))
    {
        const toolkit::FormDescription &original = window::korvandelDescription();
        m_controls.assign(original.controls.begin(), original.controls.end());
        for (toolkit::ControlDescription &control : m_controls)
            if (control.name == "List1" && control.index == 1)
                control.entries = m_codes;
        m_description = original;
        m_description.controls = m_controls;
    }

    toolkit::FormClass formClass() const
    {
        return {m_description, relation::KorvandelBinding::records, window::korvandelClass().create};
    }

private:
    std::vector<std::string_view> m_codes;
    std::vector<toolkit::ControlDescription> m_controls;
    toolkit::FormDescription m_description;
};

// The stored river codes with the one of a settlement replaced, or, without a
// code, cut off before that settlement.
std::vector<std::string_view> riverCodesWith(std::size_t settlement, const char *code)
{
    const auto &controls = window::korvandelDescription().controls;
    for (const toolkit::ControlDescription &control : controls)
        if (control.name == "List1" && control.index == 1) {
            std::vector<std::string_view> codes(control.entries.begin(), control.entries.end());
            if (code)
                codes.at(settlement) = code;
            else
                codes.resize(settlement);
            return codes;
        }
    return {};
}

struct FatalCase
{
    const char *name;
    std::size_t settlement;
    const char *code;
    bool chooseRiver;
    const char *message;
};

class FatalFailure : public testing::TestWithParam<FatalCase>
{
};

TEST_P(FatalFailure, EndsTheProgramWithItsMessage)
{
    const FatalCase &c = GetParam();
    EXPECT_EXIT(
        {
            DamagedTables tables(riverCodesWith(c.settlement, c.code));
            ShownWindow window(tables.formClass());
            if (c.chooseRiver)
                window.chooseRiver(2);
            else
                window.chooseSettlement(static_cast<std::int16_t>(c.settlement));
            std::exit(0);
        },
        testing::ExitedWithCode(EXIT_FAILURE), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FatalFailure,
    testing::Values(
        FatalCase{"RiverCodeWithoutAnOptionButton", 0, "9", false,
                  "Click of List1\\(0\\) failed: Option1\\(9\\): no such member"},
        FatalCase{"RiverCodeThatIsNoNumber", 7, "x", false,
                  "Click of List1\\(0\\) failed: numeric value of \"x\""},
        FatalCase{"ReportReadsACodeThatIsNoNumber", 7, "x", true,
                  "Click of Option1\\(2\\) failed: numeric value of \"x\""},
        FatalCase{"CodeListShorterThanNameList", 40, nullptr, true,
                  "Click of Option1\\(2\\) failed: List1\\(1\\): entry 40: outside the list"}),
    [](const testing::TestParamInfo<FatalCase> &row) { return row.param.name; });

} // namespace
