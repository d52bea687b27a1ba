// SPDX-License-Identifier: GPL-3.0-or-later
#include "../driver.h"

#include "../error.h"
#include "../form.h"
#include "qt_form.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

namespace toolkit {

namespace {

Qt::Key toQtKey(Key key)
{
    switch (key) {
    case Key::Up:
        return Qt::Key_Up;
    case Key::Down:
        return Qt::Key_Down;
    case Key::Left:
        return Qt::Key_Left;
    case Key::Right:
        return Qt::Key_Right;
    case Key::Home:
        return Qt::Key_Home;
    case Key::End:
        return Qt::Key_End;
    case Key::Space:
        return Qt::Key_Space;
    case Key::Tab:
        return Qt::Key_Tab;
    case Key::Backtab:
        return Qt::Key_Backtab;
    }
    return Qt::Key_unknown;
}

void doDefaultAction(QAccessibleInterface *object, const char *what)
{
    QAccessibleActionInterface *actions = object ? object->actionInterface() : nullptr;
    if (!actions)
        throw Error("user driver", std::string(what) + " has no accessible action");
    const QStringList names = actions->actionNames();
    for (const QString &name : {QAccessibleActionInterface::toggleAction(),
                                QAccessibleActionInterface::pressAction()}) {
        if (names.contains(name)) {
            actions->doAction(name);
            return;
        }
    }
    throw Error("user driver", std::string(what) + " offers neither Toggle nor Press");
}

QWidget *focusTarget(FormInstance::Backend &backend)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        focused = backend.window->focusWidget();
    if (!focused)
        throw Error("user driver", "no control has the keyboard focus");
    return focused;
}

} // namespace

// The middle of a list entry, scrolled into view.
static QPoint entryCentre(qt::ListWidget *widget, std::int16_t index)
{
    QListWidgetItem *item = widget->item(index);
    if (!item)
        throw Error("user driver", "the list has no entry " + std::to_string(index));
    widget->scrollToItem(item);
    return widget->visualItemRect(item).center();
}

void UserDriver::clickEntry(const ListBox &list, std::int16_t index)
{
    qt::ListWidget *widget = m_form.backend().listBox(list)->widget();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, entryCentre(widget, index));
}

void UserDriver::doubleClickEntry(const ListBox &list, std::int16_t index)
{
    qt::ListWidget *widget = m_form.backend().listBox(list)->widget();
    const QPoint centre = entryCentre(widget, index);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, centre);
}

void UserDriver::clickForm(int x, int y)
{
    QWidget *window = m_form.backend().window.get();
    if (window->childAt(x, y))
        throw Error("user driver", "a control covers the form there");
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(x, y));
}

void UserDriver::clickOption(const OptionButton &option)
{
    QWidget *widget = m_form.backend().optionButton(option)->widget();
    // Right of the caption, on the coloured band: the whole band takes the click.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() - 4, widget->height() / 2));
}

void UserDriver::clickControl(std::string_view name, std::int16_t index)
{
    QWidget *widget = m_form.backend().widget(name, index);
    if (!widget)
        throw Error("user driver", "the form has no control " + memberName(name, index));
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void UserDriver::focus(std::string_view name, std::int16_t index)
{
    QWidget *widget = m_form.backend().widget(name, index);
    if (!widget)
        throw Error("user driver", "the form has no control " + memberName(name, index));
    // Keys reach a control only through the active window.
    QWidget *window = widget->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            throw Error("user driver", "the window does not become active");
    }
    widget->setFocus(Qt::MouseFocusReason);
}

void UserDriver::pressKey(Key key)
{
    QTest::keyClick(focusTarget(m_form.backend()), toQtKey(key));
}

void UserDriver::type(std::string_view text)
{
    QTest::keyClicks(focusTarget(m_form.backend()), qt::toQString(text));
}

void UserDriver::accessibleAction(const OptionButton &option)
{
    doDefaultAction(
        QAccessible::queryAccessibleInterface(m_form.backend().optionButton(option)->widget()),
        "the option button");
}

void UserDriver::accessibleAction(const ListBox &list, std::int16_t index)
{
    QAccessibleInterface *object =
        QAccessible::queryAccessibleInterface(m_form.backend().listBox(list)->widget());
    QAccessibleInterface *entry = object ? object->child(index) : nullptr;
    doDefaultAction(entry, "the list entry");
}

std::string UserDriver::focusedControl() const
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        focused = m_form.backend().window->focusWidget();
    // A list's focus may sit on its viewport.
    while (focused && m_form.backend().controlName(focused).empty())
        focused = focused->parentWidget();
    return focused ? m_form.backend().controlName(focused) : std::string();
}

std::string UserDriver::shownText(const TextBox &box) const
{
    QCoreApplication::processEvents();
    return m_form.backend().textBox(box)->widget()->toPlainText().toStdString();
}

int UserDriver::textWrites(const TextBox &box) const
{
    return m_form.backend().textBox(box)->writes();
}

void UserDriver::settle()
{
    QCoreApplication::processEvents();
}

} // namespace toolkit
