// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/form.h"
#include "window/binding.h"

#include <QApplication>
#include <QWidget>

#include <memory>

// The main window as Qt shows it: the form created from its description and
// shown, and its widgets found by the names of their controls.
class WindowProbe
{
public:
    WindowProbe() : m_form(std::make_unique<toolkit::FormInstance>(window::korvandelClass()))
    {
        m_form->show();
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String("Korvandel") && widget->isVisible())
                m_window = widget;
    }

    QWidget *window() const { return m_window; }
    toolkit::FormInstance &form() const { return *m_form; }

    template <class Widget = QWidget>
    Widget *control(const char *name) const
    {
        return m_window ? m_window->findChild<Widget *>(QLatin1String(name)) : nullptr;
    }

    // The control whose widget lies at a point of the window's client area.
    QString controlAt(QPoint point) const
    {
        for (QWidget *widget = m_window->childAt(point); widget; widget = widget->parentWidget())
            if (widget->objectName().contains(QLatin1Char('(')) ||
                widget->objectName() == QLatin1String("Frame1"))
                return widget->objectName();
        return QString();
    }

private:
    std::unique_ptr<toolkit::FormInstance> m_form;
    QWidget *m_window = nullptr;
};
