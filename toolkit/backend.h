// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every backend of the toolkit shares; no program code includes it.

#include "error.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace toolkit {

// The backend's adapter behind a control of the form.
template <class Adapter, class Control>
Adapter *adapterOf(const std::vector<std::unique_ptr<Adapter>> &adapters, const Control &control)
{
    for (const auto &adapter : adapters)
        if (adapter.get() == &control)
            return adapter.get();
    throw Error("user driver", "the control is not one of this form's");
}

// "List1(1): entry 46: outside the list of 46 entries".
[[noreturn]] void failOutsideList(const std::string &operation, std::size_t count);

// Shows the message with which the run time ends the program, where the
// user can see it, when the standard error stream has no reader there.
void showFatalError(const std::string &program, const std::string &message);

} // namespace toolkit
