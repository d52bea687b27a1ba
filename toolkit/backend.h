// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every backend of the toolkit shares; no program code includes it.

#include "controls.h"
#include "error.h"

#include <cstddef>
#include <cstdint>
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

// A list box whose adapter keeps the entries as the control shows them, so
// that reading them needs no window system, with the selection the adapter
// last saw. An index outside the list fails in the same words on every
// backend: "List1(1): entry 46: outside the list of 46 entries".
class KeptListBox : public ListBox
{
public:
    std::int16_t entryCount() const final;
    const std::string &entry(std::int16_t index) const final;
    std::int16_t selectedIndex() const final { return m_selected; }

protected:
    explicit KeptListBox(std::string name) : m_name(std::move(name)) {}

    const std::vector<std::string> &entries() const { return m_entries; }
    // Fails for more entries than a 16-bit index reaches.
    void keep(std::vector<std::string> entries);
    // Fails for an index that is neither -1 nor that of an entry.
    void checkSelectable(std::int16_t index) const;

    std::int16_t m_selected = -1;

private:
    std::string m_name;
    std::vector<std::string> m_entries;
};

// Shows the message with which the run time ends the program, where the
// user can see it, when the standard error stream has no reader there.
void showFatalError(const std::string &program, const std::string &message);

} // namespace toolkit
