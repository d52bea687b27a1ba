// SPDX-License-Identifier: GPL-3.0-or-later
#include "value.h"

#include "error.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace toolkit {

namespace {

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    result += text;
    result += '"';
    return result;
}

} // namespace

std::int16_t toInteger(double number)
{
    // Round half to even first, then check the range of the rounded value.
    const double rounded = std::nearbyint(number);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        throw Error("conversion to a 16-bit integer",
                    std::to_string(number) + " is outside -32768 to 32767");
    return static_cast<std::int16_t>(rounded);
}

std::int16_t Value::toInteger() const
{
    switch (m_kind) {
    case Kind::Integer:
        return m_integer;
    case Kind::Double:
        return toolkit::toInteger(m_double);
    case Kind::Empty:
        break;
    }
    throw Error("conversion to a 16-bit integer", "the value is empty");
}

double Value::toDouble() const
{
    switch (m_kind) {
    case Kind::Integer:
        return m_integer;
    case Kind::Double:
        return m_double;
    case Kind::Empty:
        break;
    }
    throw Error("conversion to a double", "the value is empty");
}

bool operator==(const Value &left, const Value &right)
{
    if (left.isEmpty() || right.isEmpty())
        return left.isEmpty() && right.isEmpty();
    if (left.m_kind == Value::Kind::Integer && right.m_kind == Value::Kind::Integer)
        return left.m_integer == right.m_integer;
    return left.toDouble() == right.toDouble();
}

Value operator-(const Value &left, const Value &right)
{
    if (left.kind() == Value::Kind::Integer && right.kind() == Value::Kind::Integer) {
        const int difference = left.toInteger() - right.toInteger();
        if (difference < std::numeric_limits<std::int16_t>::min() ||
            difference > std::numeric_limits<std::int16_t>::max())
            throw Error("16-bit subtraction", std::to_string(difference) +
                                                  " is outside -32768 to 32767");
        return Value(static_cast<std::int16_t>(difference));
    }
    return Value(left.toDouble() - right.toDouble());
}

double numericValue(std::string_view text)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    double number = 0.0;
    const char *end = digits.data() + digits.size();
    const auto [stop, status] =
        std::from_chars(digits.data(), end, number, std::chars_format::general);
    // from_chars also takes "inf" and "nan", which are no decimal numbers.
    if (digits.empty() || status != std::errc() || stop != end ||
        digits.find_first_not_of("0123456789.eE+-") != std::string_view::npos)
        throw Error("numeric value of " + quoted(text), "the text is not a decimal number");
    return number;
}

std::string join(std::string_view left, std::string_view right)
{
    std::string result;
    result.reserve(left.size() + right.size());
    result += left;
    result += right;
    return result;
}

void failZeroStep()
{
    throw Error("counted loop", "the step is 0");
}

} // namespace toolkit
