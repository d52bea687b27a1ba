// SPDX-License-Identifier: GPL-3.0-or-later
// Runs N river or settlement chains on the program's own window, offscreen,
// for callgrind: the same sequence of choices as the peer's.
//   program-chains river|settlement N
#include "toolkit/driver.h"
#include "toolkit/form.h"
#include "toolkit/runtime.h"
#include "window/binding.h"

#include <cstdlib>
#include <cstring>

namespace {

toolkit::FormInstance *benchForm;
toolkit::UserDriver *benchUser;
bool benchRivers;
int benchCount;

} // namespace

extern "C" void runChains()
{
    toolkit::ControlArray<toolkit::OptionButton> &options =
        benchForm->controls().optionButtons("Option1");
    toolkit::ListBox &names = benchForm->controls().listBoxes("List1")(0);
    for (int i = 0; i < benchCount; ++i) {
        if (benchRivers)
            options(static_cast<std::int16_t>(i % 8)).setSelected(true);
        else
            names.setSelectedIndex(static_cast<std::int16_t>((i * 7) % 46));
        benchUser->settle();
    }
}

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    toolkit::Runtime runtime;
    toolkit::FormInstance form(window::korvandelClass());
    toolkit::UserDriver user(form);
    form.show();
    user.settle();
    benchForm = &form;
    benchUser = &user;
    benchRivers = std::strcmp(argv[1], "river") == 0;
    benchCount = std::atoi(argv[2]);
    runChains();
    return 0;
}
