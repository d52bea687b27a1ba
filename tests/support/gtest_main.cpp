// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the behaviour tests: one run time for the whole process, as the
// program has. Listing the tests needs no window system.
#include "toolkit/runtime.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    // A death test runs in a fresh process of its own, with its own run time.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    toolkit::Runtime runtime;
    return RUN_ALL_TESTS();
}
