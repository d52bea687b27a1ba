// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace toolkit {

class FormInstance;
class ListBox;
class OptionButton;
class TextBox;

enum class Key : std::uint8_t { Up, Down, Left, Right, Home, End, Space, Tab, Backtab };

// Acts on a shown form as its user would, through the window system, and
// reads back what the window shows. Each backend provides one, so that the
// same behaviour tests run on every backend.
class UserDriver
{
public:
    explicit UserDriver(FormInstance &form) : m_form(form) {}

    // A mouse click on an entry of a list box.
    void clickEntry(const ListBox &list, std::int16_t index);
    // A double click on an entry of a list box.
    void doubleClickEntry(const ListBox &list, std::int16_t index);
    // A mouse click on an option button, on its band right of the caption.
    void clickOption(const OptionButton &option);
    // A mouse click on the middle of a control, named as in the description
    // ("Label1", 0); a single control has index -1.
    void clickControl(std::string_view name, std::int16_t index);
    // A mouse click on the form's own background, at a point in pixels of its
    // client area.
    void clickForm(int x, int y);
    // Moves the keyboard focus to a control, as a click on it would.
    void focus(std::string_view name, std::int16_t index);
    // A key pressed and released on the control that has the focus.
    void pressKey(Key key);
    // A printable text typed on the control that has the focus.
    void type(std::string_view text);
    // The default action of the control's accessible object, as a screen
    // reader triggers it: on an option button, and on an entry of a list box.
    void accessibleAction(const OptionButton &option);
    void accessibleAction(const ListBox &list, std::int16_t index);

    // "Text1(0)", or empty when no control of the form has the focus.
    std::string focusedControl() const;
    // The text as the text box shows it, once the window is up to date.
    std::string shownText(const TextBox &box) const;
    // How often the program has set the text box's text.
    int textWrites(const TextBox &box) const;
    // Lets the window system handle what is pending, painting included.
    void settle();

private:
    FormInstance &m_form;
};

} // namespace toolkit
