// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../dispatch.h"

#include <QObject>

#include <unordered_map>

namespace toolkit::qt {

// Raises the events of mouse, keyboard, focus and the form's life for the
// controls it watches. Only those that the form's binding names run code.
// The Click of list boxes and option buttons comes from their selection, not
// from here.
class EventRelay final : public QObject
{
public:
    enum class Kind : std::uint8_t { Control, ChoiceControl, Form };

    using QObject::QObject;

    void watch(QObject *object, EventSource source, Kind kind);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Watched
    {
        EventSource source;
        Kind kind;
    };
    std::unordered_map<QObject *, Watched> m_watched;
};

} // namespace toolkit::qt
