// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// The operations a program has on the controls of its form. Every failure is
// a toolkit::Error. Setting a selection raises the control's Click before the
// setter returns, once for each change of the selection.

class ListBox
{
public:
    virtual ~ListBox() = default;

    virtual std::int16_t entryCount() const = 0;
    // Fails for an index outside 0 to entryCount() - 1.
    virtual const std::string &entry(std::int16_t index) const = 0;
    // -1 when no entry is selected.
    virtual std::int16_t selectedIndex() const = 0;
    // -1 clears the selection; anything else outside the list fails.
    virtual void setSelectedIndex(std::int16_t index) = 0;
};

class OptionButton
{
public:
    virtual ~OptionButton() = default;

    virtual const std::string &caption() const = 0;
    virtual bool isSelected() const = 0;
    // Selecting clears the other option buttons of the same frame.
    virtual void setSelected(bool selected) = 0;
};

class TextBox
{
public:
    virtual ~TextBox() = default;

    // Exactly the text last set, line ends included.
    virtual const std::string &text() const = 0;
    virtual void setText(std::string text) = 0;
};

// Controls of one kind and one name, addressed by member index.
template <class Control>
class ControlArray
{
public:
    explicit ControlArray(std::string name) : m_name(std::move(name)) {}

    const std::string &name() const { return m_name; }

    Control &operator()(std::int16_t index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= m_members.size() ||
            !m_members[static_cast<std::size_t>(index)])
            failNoMember(m_name, index);
        return *m_members[static_cast<std::size_t>(index)];
    }

    void add(std::int16_t index, Control &control)
    {
        if (index < 0)
            failNoMember(m_name, index);
        if (static_cast<std::size_t>(index) >= m_members.size())
            m_members.resize(static_cast<std::size_t>(index) + 1, nullptr);
        m_members[static_cast<std::size_t>(index)] = &control;
    }

private:
    [[noreturn]] static void failNoMember(const std::string &name, std::int16_t index);

    std::string m_name;
    std::vector<Control *> m_members;
};

[[noreturn]] void failNoSuchMember(const std::string &name, std::int16_t index);

template <class Control>
void ControlArray<Control>::failNoMember(const std::string &name, std::int16_t index)
{
    failNoSuchMember(name, index);
}

// "List1(0)" for a member of a control array, "Frame1" for a single control
// (index -1): how a control is named in messages.
std::string memberName(std::string_view array, std::int16_t index);

} // namespace toolkit
