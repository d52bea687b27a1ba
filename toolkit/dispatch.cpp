// SPDX-License-Identifier: GPL-3.0-or-later
#include "dispatch.h"

#include "backend.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace toolkit {

namespace {

std::string &programName()
{
    static std::string name = "toolkit";
    return name;
}

} // namespace

void setProgramName(std::string_view name)
{
    programName() = name;
}

void endProgram(const std::string &message)
{
    std::fprintf(stderr, "%s: %s\n", programName().c_str(), message.c_str());
    std::fflush(stderr);
    showFatalError(programName(), message);
    // The window system's objects are left to the operating system: running
    // their destructors from inside a handler could fail in its turn.
    std::_Exit(EXIT_FAILURE);
}

const BindingRecord *Dispatcher::record(std::string_view control) const
{
    for (const BindingRecord &record : m_binding)
        if (record.control == control)
            return &record;
    return nullptr;
}

void Dispatcher::raise(const BindingRecord *record, std::int16_t index, Event event) const
{
    const Handler handler = record->slots[static_cast<std::size_t>(event)];
    if (!handler || !m_form)
        return;
    if (m_observer)
        m_observer({record->control, index, event, Dispatch::Phase::Enter});
    try {
        std::int16_t Index = index;
        handler(*m_form, Index);
    } catch (const std::exception &error) {
        endProgram(std::string(eventName(event)) + " of " + memberName(record->control, index) +
                   " failed: " + error.what());
    } catch (...) {
        endProgram(std::string(eventName(event)) + " of " + memberName(record->control, index) +
                   " failed");
    }
    if (m_observer)
        m_observer({record->control, index, event, Dispatch::Phase::Leave});
}

} // namespace toolkit
