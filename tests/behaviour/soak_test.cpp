// SPDX-License-Identifier: GPL-3.0-or-later
// A long session on one window: seeded random choices by mouse, keyboard,
// assistive technology and code, each followed by the checks of the pair
// test; and the resident memory does not grow.
#include "shown_window.h"

#include "expected.h"
#include "relation/korvandel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <unistd.h>
#endif

namespace {

long environmentNumber(const char *name, long fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

// Resident memory in bytes.
long residentBytes()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return static_cast<long>(counters.WorkingSetSize);
#else
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
#endif
}

// The sanitizers keep freed memory aside, so resident size says nothing there.
#ifdef REKI_SANITIZED
constexpr bool kMeasuresMemory = false;
#else
constexpr bool kMeasuresMemory = true;
#endif

enum class Way : std::uint8_t { Mouse, Keyboard, Accessibility, Code };

std::string describe(Way way, bool river, std::int16_t index)
{
    static const char *ways[] = {"mouse", "keyboard", "accessibility", "code"};
    return std::string(ways[static_cast<int>(way)]) + (river ? " river " : " settlement ") +
           std::to_string(index);
}

TEST(Soak, RandomChoicesKeepBothSidesInStepAndMemoryFlat)
{
    const auto seed = static_cast<unsigned>(
        environmentNumber("REKI_SOAK_SEED", static_cast<long>(std::random_device{}())));
    const long choices = environmentNumber("REKI_SOAK_CHOICES", 100000);
    SCOPED_TRACE("REKI_SOAK_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);

    ShownWindow window;
    window.form.setObserver({});
    long residentAfterWarmUp = 0;
    for (long choice = 0; choice < choices; ++choice) {
        const auto way = static_cast<Way>(random() % 4);
        const bool river = random() % 2 == 0;
        std::int16_t index = static_cast<std::int16_t>(random() % (river ? 8 : 46));
        switch (way) {
        case Way::Mouse:
            river ? window.chooseRiver(index) : window.chooseSettlement(index);
            break;
        case Way::Keyboard: {
            // An arrow from the current choice: within the rivers from the
            // selected button, within the list from the selected entry.
            const bool down = random() % 2 == 0;
            const std::int16_t from = river ? window.selectedRiver() : window.names().selectedIndex();
            if (from < 0) {
                river ? window.chooseRiver(0) : window.chooseSettlement(0);
                index = 0;
                break;
            }
            window.user.focus(river ? "Option1" : "List1", river ? from : 0);
            window.user.pressKey(down ? toolkit::Key::Down : toolkit::Key::Up);
            index = river ? window.selectedRiver() : window.names().selectedIndex();
            break;
        }
        case Way::Accessibility:
            river ? window.user.accessibleAction(window.option(index))
                  : window.user.accessibleAction(window.names(), index);
            break;
        case Way::Code:
            river ? window.option(index).setSelected(true) : window.names().setSelectedIndex(index);
            break;
        }
        window.user.settle();

        const std::int16_t settlement = window.names().selectedIndex();
        const std::int16_t selectedRiver = window.selectedRiver();
        const bool consistent = window.ClickSource() == relation::SourceNone && settlement >= 0 &&
                                selectedRiver == expected::riverOf(settlement) &&
                                window.report().text() == window.expectedReport(selectedRiver);
        if (!consistent) {
            ADD_FAILURE() << "after choice " << choice << " (" << describe(way, river, index)
                          << "): ClickSource " << window.ClickSource() << ", settlement "
                          << settlement << ", river " << selectedRiver;
            return;
        }
        if (choice == 999)
            residentAfterWarmUp = residentBytes();
    }
    if (kMeasuresMemory && choices >= 1000) {
        const long growth = residentBytes() - residentAfterWarmUp;
        EXPECT_LE(growth, 1L << 20) << "resident memory grew by " << growth << " bytes";
    }
}

} // namespace
