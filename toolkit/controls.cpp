// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "backend.h"
#include "error.h"

namespace toolkit {

std::string memberName(std::string_view array, std::int16_t index)
{
    std::string name(array);
    if (index >= 0)
        name += '(' + std::to_string(index) + ')';
    return name;
}

void failOutsideList(const std::string &operation, std::size_t count)
{
    throw Error(operation, "outside the list of " + std::to_string(count) + " entries");
}

void failNoSuchMember(const std::string &name, std::int16_t index)
{
    throw Error(name + '(' + std::to_string(index) + ')', "no such member of the control array");
}

} // namespace toolkit
