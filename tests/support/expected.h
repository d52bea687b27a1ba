// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace expected {

// The river table as the tests know it, independently of the program's data.
struct River
{
    std::int16_t index;
    std::string_view caption;
    std::vector<std::int16_t> settlements;

    std::int16_t last() const { return settlements.back(); }
};

inline const std::array<River, 8> &rivers()
{
    static const std::array<River, 8> table = {{
        {0, "река Арда", {18, 22, 33}},
        {1, "река Искър", {12, 14, 23, 25, 32, 34, 36, 39, 43}},
        {2, "река Марица", {0, 7, 8, 15, 21, 27, 29, 30, 35, 37, 40, 42}},
        {3, "река Огоста", {24, 44}},
        {4, "река Осъм", {19, 20, 41}},
        {5, "река Струма", {1, 2, 11, 16, 17, 28, 31, 38}},
        {6, "река Тунджа", {10, 13, 26, 45}},
        {7, "река Янтра", {3, 4, 5, 6, 9}},
    }};
    return table;
}

inline std::int16_t riverOf(std::int16_t settlement)
{
    for (const River &river : rivers())
        for (const std::int16_t s : river.settlements)
            if (s == settlement)
                return river.index;
    return -1;
}

// The report for a river, the names taken from the list as shown.
template <class NameOf>
std::string report(const River &river, NameOf nameOf)
{
    std::string text = "Избрана: " + std::string(river.caption) + "\r\nСелища:\r\n";
    for (const std::int16_t s : river.settlements)
        text += nameOf(s) + "\r\n";
    return text;
}

} // namespace expected
