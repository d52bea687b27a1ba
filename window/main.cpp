// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/runtime.h"
#include "binding.h"

int main()
{
    return toolkit::run(window::project());
}
