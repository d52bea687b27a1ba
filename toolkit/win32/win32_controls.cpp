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
    : KeptListBox(std::move(name)), hwnd(list)
{
    keep({description.entries.begin(), description.entries.end()});
    for (const std::string &entry : entries())
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry).c_str()));
    if (description.sorted) {
        std::vector<std::string> shown(entries().size());
        for (std::size_t row = 0; row < shown.size(); ++row) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(hwnd, LB_GETTEXTLEN, row, 0)), L'\0');
            SendMessageW(hwnd, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
            shown[row] = narrow(text);
        }
        keep(std::move(shown));
    }
}

void W32ListBox::setSelectedIndex(std::int16_t index)
{
    checkSelectable(index);
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
