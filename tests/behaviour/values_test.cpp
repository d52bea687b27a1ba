// SPDX-License-Identifier: GPL-3.0-or-later
// The run-time services: two-kind values, the numeric value of a text, string
// joining and the counted loop.
#include "toolkit/error.h"
#include "toolkit/value.h"

#include <gtest/gtest.h>

#include <vector>

using toolkit::Value;

namespace {

struct EqualityCase
{
    const char *name;
    Value left;
    Value right;
    bool equal;
};

class ValueEquality : public testing::TestWithParam<EqualityCase>
{
};

TEST_P(ValueEquality, IsNumericAcrossTheKinds)
{
    const EqualityCase &c = GetParam();
    EXPECT_EQ(c.left == c.right, c.equal);
    EXPECT_EQ(c.right == c.left, c.equal);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueEquality,
    testing::Values(
        EqualityCase{"IntegerAndSameDouble", Value(std::int16_t{3}), Value(3.0), true},
        EqualityCase{"IntegerAndOtherDouble", Value(std::int16_t{3}), Value(3.5), false},
        EqualityCase{"TwoIntegers", Value(std::int16_t{7}), Value(std::int16_t{7}), true},
        EqualityCase{"TwoOtherIntegers", Value(std::int16_t{7}), Value(std::int16_t{6}), false},
        EqualityCase{"TwoDoubles", Value(0.0), Value(-0.0), true},
        EqualityCase{"EmptyAndZero", Value(), Value(std::int16_t{0}), false},
        EqualityCase{"TwoEmpties", Value(), Value(), true}),
    [](const testing::TestParamInfo<EqualityCase> &row) { return row.param.name; });

TEST(Value, AssignmentCopiesKindAndValue)
{
    Value river;
    EXPECT_TRUE(river.isEmpty());
    river = Value(std::int16_t{3});
    EXPECT_EQ(river.kind(), Value::Kind::Integer);
    river = Value(3.0);
    EXPECT_EQ(river.kind(), Value::Kind::Double);
    EXPECT_EQ(river.toInteger(), 3);
    const Value copy = river;
    EXPECT_EQ(copy.kind(), Value::Kind::Double);
    EXPECT_EQ(copy.toDouble(), 3.0);
}

struct ConversionCase
{
    const char *name;
    double number;
    std::int16_t integer;
};

class ConversionToInteger : public testing::TestWithParam<ConversionCase>
{
};

TEST_P(ConversionToInteger, IsExactForWholeNumbersAndRoundsHalfToEven)
{
    EXPECT_EQ(Value(GetParam().number).toInteger(), GetParam().integer);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConversionToInteger,
    testing::Values(ConversionCase{"Zero", 0.0, 0}, ConversionCase{"Seven", 7.0, 7},
                    ConversionCase{"Largest", 32767.0, 32767},
                    ConversionCase{"Smallest", -32768.0, -32768},
                    ConversionCase{"HalfDown", 2.5, 2}, ConversionCase{"HalfUp", 3.5, 4},
                    ConversionCase{"Fraction", 6.7, 7}),
    [](const testing::TestParamInfo<ConversionCase> &row) { return row.param.name; });

TEST(Value, SubtractionOfIntegersStaysInteger)
{
    const Value difference = Value(std::int16_t{1}) - Value(std::int16_t{1});
    EXPECT_EQ(difference.kind(), Value::Kind::Integer);
    EXPECT_EQ(difference.toInteger(), 0);
    const Value mixed = Value(std::int16_t{5}) - Value(0.5);
    EXPECT_EQ(mixed.kind(), Value::Kind::Double);
    EXPECT_EQ(mixed.toDouble(), 4.5);
}

struct NumericCase
{
    const char *name;
    const char *text;
    double number;
};

class NumericValue : public testing::TestWithParam<NumericCase>
{
};

TEST_P(NumericValue, ReadsADecimalNumber)
{
    EXPECT_EQ(toolkit::numericValue(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumericValue,
    testing::Values(NumericCase{"Zero", "0", 0.0}, NumericCase{"Seven", "7", 7.0},
                    NumericCase{"Signed", "-3", -3.0}, NumericCase{"Plus", "+2", 2.0},
                    NumericCase{"Fraction", "2.5", 2.5}, NumericCase{"Exponent", "1e2", 100.0}),
    [](const testing::TestParamInfo<NumericCase> &row) { return row.param.name; });

TEST(NumericValue, EveryRiverCodeGivesItsRiverIndex)
{
    for (int code = 0; code <= 7; ++code)
        EXPECT_EQ(toolkit::numericValue(std::to_string(code)), code);
}

TEST(StringJoining, PutsLeftBeforeRight)
{
    EXPECT_EQ(toolkit::join("Избрана: ", "река Арда"), "Избрана: река Арда");
    EXPECT_EQ(toolkit::join("", ""), "");
    EXPECT_EQ(toolkit::join("a\r\n", "b"), "a\r\nb");
}

struct LoopCase
{
    const char *name;
    std::int16_t first;
    std::int16_t last;
    std::int16_t step;
    std::vector<std::int16_t> counters;
};

class CountedLoop : public testing::TestWithParam<LoopCase>
{
};

TEST_P(CountedLoop, RunsOncePerCounterValue)
{
    const LoopCase &c = GetParam();
    std::vector<std::int16_t> seen;
    toolkit::countedLoop(c.first, c.last, c.step, [&](std::int16_t counter) {
        seen.push_back(counter);
    });
    EXPECT_EQ(seen, c.counters);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CountedLoop,
    testing::Values(LoopCase{"OneToThree", 1, 3, 1, {1, 2, 3}},
                    LoopCase{"EmptyWhenEndIsBelowStart", 1, 0, 1, {}},
                    LoopCase{"OnePass", 5, 5, 1, {5}},
                    LoopCase{"Downwards", 3, 1, -1, {3, 2, 1}},
                    LoopCase{"UpToTheLargestInteger", 32766, 32767, 1, {32766, 32767}}),
    [](const testing::TestParamInfo<LoopCase> &row) { return row.param.name; });

TEST(CountedLoop, TakesItsBoundsOnceBeforeTheFirstPass)
{
    std::int16_t last = 3;
    int passes = 0;
    toolkit::countedLoop(1, last, 1, [&](std::int16_t) {
        last = 10;
        ++passes;
    });
    EXPECT_EQ(passes, 3);
}

} // namespace
