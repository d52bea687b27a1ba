// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32_form.h"

#include "../backend.h"
#include "../error.h"

namespace toolkit::win32 {

std::wstring wide(std::string_view text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

std::string narrow(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

W32ListBox::W32ListBox(HWND list, const ControlDescription &description, std::string name)
    : hwnd(list), m_name(std::move(name)), m_entries(description.entries.begin(), description.entries.end())
{
    if (m_entries.size() > 32767)
        throw Error(m_name, "a list box holds at most 32767 entries");
    for (const std::string &entry : m_entries)
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry).c_str()));
    if (description.sorted) {
        const auto count = SendMessageW(hwnd, LB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; row < count; ++row) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0)), L'\0');
            SendMessageW(hwnd, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
            m_entries[static_cast<std::size_t>(row)] = narrow(text);
        }
    }
}

std::int16_t W32ListBox::entryCount() const
{
    return static_cast<std::int16_t>(m_entries.size());
}

const std::string &W32ListBox::entry(std::int16_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size())
        failOutsideList(m_name + ": entry " + std::to_string(index), m_entries.size());
    return m_entries[static_cast<std::size_t>(index)];
}

void W32ListBox::setSelectedIndex(std::int16_t index)
{
    if (index != -1 && (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()))
        failOutsideList(m_name + ": selecting entry " + std::to_string(index), m_entries.size());
    // Windows reports no change that code makes: the adapter raises Click.
    SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (index == m_selected)
        return;
    m_selected = index;
    source.raise(Event::Click);
}

void W32ListBox::userChanged()
{
    const auto selected = static_cast<std::int16_t>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0));
    if (selected == m_selected)
        return;
    m_selected = selected;
    source.raise(Event::Click);
}

W32OptionButton::W32OptionButton(HWND button, const ControlDescription &description)
    : hwnd(button), frame(description.parent), m_caption(description.text)
{
}

void W32OptionButton::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    SendMessageW(hwnd, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!selected)
        return;
    if (group)
        for (W32OptionButton *other : *group)
            if (other != this && other->m_selected) {
                other->m_selected = false;
                SendMessageW(other->hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
            }
    source.raise(Event::Click);
}

W32TextBox::W32TextBox(HWND edit, HWND form, const ControlDescription &description)
    : hwnd(edit), m_form(form), m_text(description.text)
{
    SetWindowTextW(hwnd, wide(m_text).c_str());
}

void W32TextBox::setText(std::string text)
{
    m_text = std::move(text);
    ++m_writes;
    if (!m_pending) {
        m_pending = true;
        PostMessageW(m_form, WM_APP, 0, reinterpret_cast<LPARAM>(this));
    }
    source.raise(Event::Change);
}

void W32TextBox::refresh()
{
    m_pending = false;
    // The edit control keeps carriage returns and line feeds as they are.
    SetWindowTextW(hwnd, wide(m_text).c_str());
}

} // namespace toolkit::win32
