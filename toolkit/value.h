// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace toolkit {

// A value that is empty until first assigned and from then on holds either a
// 16-bit integer or a double. Assignment copies the kind with the value;
// comparison is numeric across the kinds, so 3 equals 3.0.
class Value
{
public:
    enum class Kind : std::uint8_t { Empty, Integer, Double };

    constexpr Value() = default;
    constexpr explicit Value(std::int16_t integer) : m_kind(Kind::Integer), m_integer(integer) {}
    constexpr explicit Value(double number) : m_kind(Kind::Double), m_double(number) {}

    constexpr Kind kind() const { return m_kind; }
    constexpr bool isEmpty() const { return m_kind == Kind::Empty; }

    // Exact for whole numbers; other numbers round half to even. Fails for an
    // empty value and for anything outside -32768 to 32767.
    std::int16_t toInteger() const;
    // Fails for an empty value.
    double toDouble() const;

    friend bool operator==(const Value &left, const Value &right);

private:
    Kind m_kind = Kind::Empty;
    union {
        std::int16_t m_integer;
        double m_double = 0.0;
    };
};

// Integer minus integer stays a 16-bit integer and fails on overflow; any
// other pair of numbers gives a double.
Value operator-(const Value &left, const Value &right);

// Double to 16-bit integer, with the rounding and range of Value::toInteger.
std::int16_t toInteger(double number);

// The numeric value of a text: a decimal number with an optional sign,
// fraction and exponent, and nothing else. Anything else fails, so that a
// damaged text can never pass for a number.
double numericValue(std::string_view text);

// Left text then right text, as a new text.
std::string join(std::string_view left, std::string_view right);

// A counted loop: first, last and step are taken once, before the first pass;
// the body runs for first, first + step, ... while the counter has not passed
// last, and not at all when first is already past it. A step of 0 fails.
template <class Body>
void countedLoop(std::int16_t first, std::int16_t last, std::int16_t step, Body &&body);

void failZeroStep();

template <class Body>
void countedLoop(std::int16_t first, std::int16_t last, std::int16_t step, Body &&body)
{
    if (step == 0)
        failZeroStep();
    // The counter is kept wider than 16 bits so that a loop up to 32767 ends.
    for (std::int32_t counter = first; step > 0 ? counter <= last : counter >= last;
         counter += step)
        body(static_cast<std::int16_t>(counter));
}

} // namespace toolkit
