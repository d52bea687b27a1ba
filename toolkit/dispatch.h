// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace toolkit {

// Runs the handler bound to an event, on the one thread, to its end. An error
// that leaves the handler ends the program here: nothing of it may travel on
// into the window system's event loop.
class Dispatcher
{
public:
    explicit Dispatcher(std::span<const BindingRecord> binding) : m_binding(binding) {}

    void setForm(Form *form) { m_form = form; }
    void setObserver(DispatchObserver observer) { m_observer = std::move(observer); }

    // The record of a control array, or nullptr when it has none.
    const BindingRecord *record(std::string_view control) const;

    void raise(const BindingRecord *record, std::int16_t index, Event event) const;

private:
    std::span<const BindingRecord> m_binding;
    Form *m_form = nullptr;
    DispatchObserver m_observer;
};

// Where a control raises its events: its binding record and member index.
struct EventSource
{
    const Dispatcher *dispatcher = nullptr;
    const BindingRecord *record = nullptr;
    std::int16_t index = -1;

    void raise(Event event) const
    {
        if (record)
            dispatcher->raise(record, index, event);
    }
};

// The name that opens the message of an error that ends the program.
void setProgramName(std::string_view name);
[[noreturn]] void endProgram(const std::string &message);

} // namespace toolkit
