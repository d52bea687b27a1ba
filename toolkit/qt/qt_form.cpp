// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_form.h"

#include "../backend.h"
#include "../error.h"
#include "qt_accessible.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

namespace toolkit {

namespace {

constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

QColor toQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

void setBackColour(QWidget *widget, QPalette::ColorRole role, Rgb colour, bool fill)
{
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    // Buttons fill their background with the Button role, not Window.
    palette.setColor(widget->backgroundRole(), toQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(fill);
}

// The picture as drawn, and enlarged for desktops that want bigger icons:
// pixel for pixel, without blur.
QIcon iconOf(std::span<const char *const> xpm)
{
    const QPixmap picture(xpm.data());
    QIcon icon(picture);
    for (const int size : {48, 64, 128})
        icon.addPixmap(picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

bool takesFocus(const ControlDescription &control)
{
    return control.visible &&
           (control.kind == ControlKind::ListBox || control.kind == ControlKind::OptionButton ||
            control.kind == ControlKind::TextBox);
}

} // namespace

FormInstance::Backend::Backend(const FormClass &formClass)
    : description(formClass.description), dispatcher(formClass.binding)
{
    // With these hints and equal minimum and maximum sizes the window manager
    // is told that the window can only be moved and closed.
    window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint |
                                                    Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint);
    window->setObjectName(qt::toQString(description.name));
    window->setWindowTitle(qt::toQString(description.caption));
    window->setFixedSize(pixels(description.clientWidth), pixels(description.clientHeight));
    window->setFont(qt::toQFont(description.font));
    setBackColour(window.get(), QPalette::Window, description.backColour, true);
    qt::readInScreenOrder(window.get());
    relay = new qt::EventRelay(window.get());
    const EventSource formSource{&dispatcher, dispatcher.record(description.name), -1};
    relay->watch(window.get(), formSource, qt::EventRelay::Kind::Form);
    if (!description.icon.empty())
        window->setWindowIcon(iconOf(description.icon));

    for (const ControlDescription &control : description.controls) {
        QWidget *parent = window.get();
        if (!control.parent.empty()) {
            parent = widget(control.parent, -1);
            if (!parent)
                throw Error(memberName(control.name, control.index),
                            "its parent " + std::string(control.parent) +
                                " is not created before it");
        }
        const std::string name = memberName(control.name, control.index);
        const EventSource source{&dispatcher, dispatcher.record(control.name), control.index};
        QWidget *created = nullptr;
        QPalette::ColorRole backRole = QPalette::Window;
        // Option buttons leave their band to the frame (qt::GroupBox).
        bool fillsBackground = true;
        switch (control.kind) {
        case ControlKind::ListBox: {
            auto &box = listBoxes.emplace_back(
                std::make_unique<qt::QtListBox>(parent, control, name));
            box->setEventSource(source);
            controls.add(control.name, control.index, *box);
            created = box->widget();
            backRole = QPalette::Base;
            break;
        }
        case ControlKind::OptionButton: {
            auto &button =
                optionButtons.emplace_back(std::make_unique<qt::QtOptionButton>(parent, control));
            button->setEventSource(source);
            controls.add(control.name, control.index, *button);
            created = button->widget();
            fillsBackground = false;
            break;
        }
        case ControlKind::TextBox: {
            auto &box = textBoxes.emplace_back(std::make_unique<qt::QtTextBox>(parent, control));
            box->setEventSource(source);
            controls.add(control.name, control.index, *box);
            created = box->widget();
            backRole = QPalette::Base;
            break;
        }
        case ControlKind::Frame:
            created = new qt::GroupBox(qt::toQString(control.text), parent);
            qt::readInScreenOrder(created);
            break;
        case ControlKind::Label: {
            auto *label = new QLabel(qt::toQString(control.text), parent);
            label->setAlignment(control.centred ? Qt::AlignHCenter | Qt::AlignTop
                                                : Qt::AlignLeft | Qt::AlignTop);
            created = label;
            break;
        }
        }
        created->setObjectName(qt::toQString(name));
        const bool choice =
            control.kind == ControlKind::ListBox || control.kind == ControlKind::OptionButton;
        const auto kind = choice ? qt::EventRelay::Kind::ChoiceControl : qt::EventRelay::Kind::Control;
        relay->watch(created, source, kind);
        if (auto *scrolled = qobject_cast<QAbstractScrollArea *>(created))
            relay->watch(scrolled->viewport(), source, kind);
        created->setGeometry(pixels(control.left), pixels(control.top), pixels(control.width),
                             pixels(control.height));
        if (control.backColour)
            setBackColour(created, backRole, *control.backColour, fillsBackground);
        if (!control.accessibleName.empty())
            created->setAccessibleName(qt::toQString(control.accessibleName));
        if (!control.visible)
            created->setVisible(false);
        placed.push_back({&control, created});
    }

    for (const Placed &control : placed) {
        if (control.description->buddy.empty())
            continue;
        QWidget *buddy = widget(control.description->buddy, control.description->buddyIndex);
        auto *label = qobject_cast<QLabel *>(control.widget);
        if (!buddy || !label)
            throw Error(memberName(control.description->name, control.description->index),
                        "names no control of the form");
        label->setBuddy(buddy);
        // Qt's lists take their accessible name from the widget alone.
        if (buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(label->text());
    }

    // A control created earlier lies over one created later; labels are drawn
    // on the form itself, beneath every other control.
    for (auto it = placed.rbegin(); it != placed.rend(); ++it)
        it->widget->raise();
    for (const Placed &control : placed)
        if (control.description->kind == ControlKind::Label)
            control.widget->lower();

    std::vector<const Placed *> order;
    for (const Placed &control : placed)
        if (takesFocus(*control.description))
            order.push_back(&control);
        else if (control.description->kind != ControlKind::Label &&
                 control.description->kind != ControlKind::Frame)
            control.widget->setFocusPolicy(Qt::NoFocus);
    std::stable_sort(order.begin(), order.end(), [](const Placed *a, const Placed *b) {
        return a->description->tabIndex < b->description->tabIndex;
    });
    for (const Placed *control : order)
        tabChain.push_back(control->widget);
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        QWidget::setTabOrder(tabChain[i - 1], tabChain[i]);

    form = formClass.create(controls);
    dispatcher.setForm(form.get());
    formSource.raise(Event::Load);
}

FormInstance::Backend::~Backend()
{
    if (relay)
        EventSource{&dispatcher, dispatcher.record(description.name), -1}.raise(Event::Terminate);
    dispatcher.setForm(nullptr);
}

QWidget *FormInstance::Backend::widget(std::string_view name, std::int16_t index) const
{
    for (const Placed &control : placed)
        if (control.description->name == name && control.description->index == index)
            return control.widget;
    return nullptr;
}

std::string FormInstance::Backend::controlName(const QWidget *target) const
{
    for (const Placed &control : placed)
        if (control.widget == target)
            return memberName(control.description->name, control.description->index);
    return {};
}

qt::QtListBox *FormInstance::Backend::listBox(const ListBox &control) const
{
    return adapterOf(listBoxes, control);
}

qt::QtOptionButton *FormInstance::Backend::optionButton(const OptionButton &control) const
{
    return adapterOf(optionButtons, control);
}

qt::QtTextBox *FormInstance::Backend::textBox(const TextBox &control) const
{
    return adapterOf(textBoxes, control);
}

FormInstance::FormInstance(const FormClass &formClass)
    : m_backend(std::make_unique<Backend>(formClass))
{
}

FormInstance::~FormInstance() = default;

Form &FormInstance::form() const
{
    return *m_backend->form;
}

FormControls &FormInstance::controls() const
{
    return m_backend->controls;
}

FormInstance::Backend &FormInstance::backend()
{
    return *m_backend;
}

void FormInstance::show()
{
    QWidget &window = *m_backend->window;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.x() + (area.width() - window.width()) / 2,
                    area.y() + (area.height() - window.height()) / 2);
    }
    window.show();
    if (!m_backend->tabChain.empty())
        m_backend->tabChain.front()->setFocus(Qt::OtherFocusReason);
}

bool FormInstance::isVisible() const
{
    return m_backend->window->isVisible();
}

void FormInstance::setObserver(DispatchObserver observer)
{
    m_backend->dispatcher.setObserver(std::move(observer));
}

} // namespace toolkit
