// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "error.h"

namespace toolkit {

std::string memberName(std::string_view array, std::int16_t index)
{
    std::string name(array);
    if (index >= 0)
        name += '(' + std::to_string(index) + ')';
    return name;
}

void failNoSuchMember(const std::string &name, std::int16_t index)
{
    throw Error(name + '(' + std::to_string(index) + ')', "no such member of the control array");
}

} // namespace toolkit
