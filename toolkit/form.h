// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace toolkit {

struct FormDescription;

// The base of a program's form class.
class Form
{
public:
    Form() = default;
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;
    virtual ~Form() = default;
};

// The controls that the toolkit created from a form's description, by kind
// and control-array name. A form class takes the arrays it uses from here.
class FormControls
{
public:
    FormControls();
    ~FormControls();
    FormControls(const FormControls &) = delete;
    FormControls &operator=(const FormControls &) = delete;

    // Each fails when the form has no control array of that kind and name.
    ControlArray<ListBox> &listBoxes(std::string_view name) const;
    ControlArray<OptionButton> &optionButtons(std::string_view name) const;
    ControlArray<TextBox> &textBoxes(std::string_view name) const;

    void add(std::string_view name, std::int16_t index, ListBox &control);
    void add(std::string_view name, std::int16_t index, OptionButton &control);
    void add(std::string_view name, std::int16_t index, TextBox &control);

private:
    struct Arrays;
    std::unique_ptr<Arrays> m_arrays;
};

// Events, in the toolkit's order. A backend raises those it knows of; only
// those with a handler in the form's binding run program code.
enum class Event : std::uint8_t {
    Click,
    DblClick,
    GotFocus,
    LostFocus,
    KeyDown,
    KeyPress,
    KeyUp,
    MouseDown,
    MouseMove,
    MouseUp,
    Change,
    Load,
    Activate,
    Resize,
    Paint,
    QueryUnload,
    Unload,
    Terminate,
};
constexpr std::size_t kEventCount = static_cast<std::size_t>(Event::Terminate) + 1;

std::string_view eventName(Event event);

using Handler = void (*)(Form &form, std::int16_t &Index);

// Calls a handler of the form class F. Taking the address of a private
// handler is left to code that the form class lets do it.
template <class F, void (F::*Method)(std::int16_t &)>
void handler(Form &form, std::int16_t &Index)
{
    (static_cast<F &>(form).*Method)(Index);
}

// One record of the event binding: one control array, or the form itself,
// with a slot for each event; an empty slot runs no program code.
struct BindingRecord
{
    std::string_view control;
    std::array<Handler, kEventCount> slots{};

    constexpr BindingRecord &on(Event event, Handler h)
    {
        slots[static_cast<std::size_t>(event)] = h;
        return *this;
    }
};

// Everything the toolkit needs to create one kind of form.
struct FormClass
{
    const FormDescription &description;
    std::span<const BindingRecord> binding;
    std::unique_ptr<Form> (*create)(FormControls &controls);
};

// What a test sees of the event dispatch: every event the toolkit raises for
// a bound slot, once on entry to the handler and once on its return.
struct Dispatch
{
    enum class Phase : std::uint8_t { Enter, Leave };
    std::string_view control;
    std::int16_t index = -1;
    Event event = Event::Click;
    Phase phase = Phase::Enter;
};
using DispatchObserver = std::function<void(const Dispatch &)>;

// A form created from its class: the window, its controls, the program's form
// object and the dispatch of its events. It lives until it is destroyed;
// closing the window only hides it.
class FormInstance
{
public:
    explicit FormInstance(const FormClass &formClass);
    ~FormInstance();
    FormInstance(const FormInstance &) = delete;
    FormInstance &operator=(const FormInstance &) = delete;

    Form &form() const;
    FormControls &controls() const;

    // Shows the window centred on the screen, with the focus on the first
    // control of the tab order that can take it.
    void show();
    bool isVisible() const;

    void setObserver(DispatchObserver observer);

    struct Backend;
    Backend &backend();

private:
    std::unique_ptr<Backend> m_backend;
};

} // namespace toolkit
