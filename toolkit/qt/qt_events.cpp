// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_events.h"

#include <QEvent>

namespace toolkit::qt {

void EventRelay::watch(QObject *object, EventSource source, Kind kind)
{
    if (!source.record)
        return;
    m_watched[object] = {source, kind};
    object->installEventFilter(this);
}

bool EventRelay::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = m_watched.find(watched);
    if (found == m_watched.end())
        return false;
    const EventSource &source = found->second.source;
    const Kind kind = found->second.kind;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        source.raise(Event::MouseDown);
        break;
    case QEvent::MouseButtonRelease:
        source.raise(Event::MouseUp);
        if (kind != Kind::ChoiceControl)
            source.raise(Event::Click);
        break;
    case QEvent::MouseButtonDblClick:
        source.raise(Event::DblClick);
        break;
    case QEvent::MouseMove:
        source.raise(Event::MouseMove);
        break;
    case QEvent::KeyPress:
        source.raise(Event::KeyDown);
        source.raise(Event::KeyPress);
        break;
    case QEvent::KeyRelease:
        source.raise(Event::KeyUp);
        break;
    case QEvent::FocusIn:
        source.raise(Event::GotFocus);
        break;
    case QEvent::FocusOut:
        source.raise(Event::LostFocus);
        break;
    case QEvent::WindowActivate:
        if (kind == Kind::Form)
            source.raise(Event::Activate);
        break;
    case QEvent::Resize:
        if (kind == Kind::Form)
            source.raise(Event::Resize);
        break;
    case QEvent::Paint:
        if (kind == Kind::Form)
            source.raise(Event::Paint);
        break;
    case QEvent::Close:
        if (kind == Kind::Form) {
            source.raise(Event::QueryUnload);
            source.raise(Event::Unload);
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace toolkit::qt
