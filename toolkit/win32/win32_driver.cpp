// SPDX-License-Identifier: GPL-3.0-or-later
// Acts on a Win32 form as its user would: mouse and key messages to the
// controls, run through the form's message handling.
#include "../driver.h"

#include "../error.h"
#include "../form.h"
#include "win32_form.h"

namespace toolkit {

namespace {

WPARAM virtualKey(Key key)
{
    switch (key) {
    case Key::Up:
        return VK_UP;
    case Key::Down:
        return VK_DOWN;
    case Key::Left:
        return VK_LEFT;
    case Key::Right:
        return VK_RIGHT;
    case Key::Home:
        return VK_HOME;
    case Key::End:
        return VK_END;
    case Key::Space:
        return VK_SPACE;
    case Key::Tab:
    case Key::Backtab:
        return VK_TAB;
    }
    return 0;
}

void click(HWND hwnd, int x, int y)
{
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
}

POINT entryCentre(HWND list, std::int16_t index)
{
    if (index < 0 || index >= SendMessageW(list, LB_GETCOUNT, 0, 0))
        throw Error("user driver", "the list has no entry " + std::to_string(index));
    RECT item;
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    RECT client;
    GetClientRect(list, &client);
    if (item.top < 0 || item.bottom > client.bottom) {
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

HWND needControl(FormInstance &form, std::string_view name, std::int16_t index)
{
    HWND hwnd = form.backend().widget(name, index);
    if (!hwnd)
        throw Error("user driver", "the form has no control " + memberName(name, index));
    return hwnd;
}

} // namespace

void UserDriver::clickEntry(const ListBox &list, std::int16_t index)
{
    HWND hwnd = m_form.backend().listBox(list)->hwnd;
    m_form.backend().setFocus(hwnd);
    const POINT centre = entryCentre(hwnd, index);
    click(hwnd, centre.x, centre.y);
    m_form.backend().pump();
}

void UserDriver::doubleClickEntry(const ListBox &list, std::int16_t index)
{
    HWND hwnd = m_form.backend().listBox(list)->hwnd;
    const POINT centre = entryCentre(hwnd, index);
    click(hwnd, centre.x, centre.y);
    const LPARAM at = MAKELPARAM(centre.x, centre.y);
    SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
    m_form.backend().pump();
}

void UserDriver::clickOption(const OptionButton &option)
{
    HWND hwnd = m_form.backend().optionButton(option)->hwnd;
    m_form.backend().setFocus(hwnd);
    RECT area;
    GetClientRect(hwnd, &area);
    click(hwnd, area.right - 4, area.bottom / 2);
    m_form.backend().pump();
}

void UserDriver::clickControl(std::string_view name, std::int16_t index)
{
    HWND hwnd = needControl(m_form, name, index);
    RECT area;
    GetClientRect(hwnd, &area);
    click(hwnd, area.right / 2, area.bottom / 2);
    m_form.backend().pump();
}

void UserDriver::clickForm(int x, int y)
{
    HWND window = m_form.backend().window;
    POINT at{x, y};
    HWND child = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE);
    if (child && child != window)
        throw Error("user driver", "a control covers the form there");
    click(window, x, y);
    m_form.backend().pump();
}

void UserDriver::focus(std::string_view name, std::int16_t index)
{
    m_form.backend().setFocus(needControl(m_form, name, index));
    m_form.backend().pump();
}

void UserDriver::pressKey(Key key)
{
    HWND focused = m_form.backend().focused();
    if (!focused)
        throw Error("user driver", "no control has the keyboard focus");
    const bool shifted = key == Key::Backtab;
    BYTE state[256];
    GetKeyboardState(state);
    const BYTE shift = state[VK_SHIFT];
    if (shifted) {
        state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
    }
    MSG message{focused, WM_KEYDOWN, virtualKey(key), 1, 0, {}};
    if (!m_form.backend().preTranslate(message))
        SendMessageW(focused, WM_KEYDOWN, virtualKey(key), 1);
    SendMessageW(focused, WM_KEYUP, virtualKey(key), static_cast<LPARAM>(0xC0000001u));
    if (shifted) {
        state[VK_SHIFT] = shift;
        SetKeyboardState(state);
    }
    m_form.backend().pump();
}

void UserDriver::type(std::string_view text)
{
    HWND focused = m_form.backend().focused();
    if (!focused)
        throw Error("user driver", "no control has the keyboard focus");
    for (const wchar_t unit : win32::wide(text))
        SendMessageW(focused, WM_CHAR, unit, 1);
    m_form.backend().pump();
}

// What Windows' accessibility proxies do for the default action of these
// controls: a click on an option button, the selection of a list entry.
void UserDriver::accessibleAction(const OptionButton &option)
{
    SendMessageW(m_form.backend().optionButton(option)->hwnd, BM_CLICK, 0, 0);
    m_form.backend().pump();
}

void UserDriver::accessibleAction(const ListBox &list, std::int16_t index)
{
    win32::W32ListBox *box = m_form.backend().listBox(list);
    SendMessageW(box->hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    box->userChanged();
    m_form.backend().pump();
}

std::string UserDriver::focusedControl() const
{
    return m_form.backend().controlName(m_form.backend().focused());
}

std::string UserDriver::shownText(const TextBox &box) const
{
    m_form.backend().pump();
    HWND hwnd = m_form.backend().textBox(box)->hwnd;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    std::string shown = win32::narrow(text);
    std::erase(shown, '\r');
    return shown;
}

int UserDriver::textWrites(const TextBox &box) const
{
    return m_form.backend().textBox(box)->writes();
}

void UserDriver::settle()
{
    m_form.backend().pump();
}

} // namespace toolkit
