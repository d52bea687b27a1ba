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

std::int16_t KeptListBox::entryCount() const
{
    return static_cast<std::int16_t>(m_entries.size());
}

const std::string &KeptListBox::entry(std::int16_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size())
        throw Error(m_name + ": entry " + std::to_string(index),
                    "outside the list of " + std::to_string(m_entries.size()) + " entries");
    return m_entries[static_cast<std::size_t>(index)];
}

void KeptListBox::keep(std::vector<std::string> entries)
{
    if (entries.size() > 32767)
        throw Error(m_name, "a list box holds at most 32767 entries");
    m_entries = std::move(entries);
}

void KeptListBox::checkSelectable(std::int16_t index) const
{
    if (index != -1 && (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()))
        throw Error(m_name + ": selecting entry " + std::to_string(index),
                    "outside the list of " + std::to_string(m_entries.size()) + " entries");
}

void failNoSuchMember(const std::string &name, std::int16_t index)
{
    throw Error(name + '(' + std::to_string(index) + ')', "no such member of the control array");
}

} // namespace toolkit
