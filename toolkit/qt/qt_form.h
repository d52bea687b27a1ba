// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../description.h"
#include "../dispatch.h"
#include "../form.h"
#include "qt_controls.h"
#include "qt_events.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace toolkit {

struct FormInstance::Backend
{
    explicit Backend(const FormClass &formClass);
    ~Backend();

    // The widget of a control, or nullptr when the form has none of that name.
    QWidget *widget(std::string_view name, std::int16_t index) const;
    qt::QtListBox *listBox(const ListBox &control) const;
    qt::QtOptionButton *optionButton(const OptionButton &control) const;
    qt::QtTextBox *textBox(const TextBox &control) const;
    // "Text1(0)" for a widget of a control, or empty.
    std::string controlName(const QWidget *widget) const;

    struct Placed
    {
        const ControlDescription *description;
        QWidget *widget;
    };

    const FormDescription &description;
    Dispatcher dispatcher;
    FormControls controls;
    std::vector<std::unique_ptr<qt::QtListBox>> listBoxes;
    std::vector<std::unique_ptr<qt::QtOptionButton>> optionButtons;
    std::vector<std::unique_ptr<qt::QtTextBox>> textBoxes;
    // Declared after the adapters so that the widgets go before them.
    std::unique_ptr<QWidget> window;
    qt::EventRelay *relay = nullptr;
    std::vector<Placed> placed;
    std::vector<QWidget *> tabChain;
    // Declared last so that it goes first: the form's code refers to the rest.
    std::unique_ptr<Form> form;
};

} // namespace toolkit
