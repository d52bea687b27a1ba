// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QWidget>

#include <algorithm>

namespace toolkit::qt {

namespace {

const char kReadingOrder[] = "toolkitReadingOrder";

class ScreenOrderAccessible final : public QAccessibleWidget
{
public:
    explicit ScreenOrderAccessible(QWidget *widget)
        : QAccessibleWidget(widget, qobject_cast<QGroupBox *>(widget) ? QAccessible::Grouping
                                                                      : QAccessible::Window)
    {
    }

    int childCount() const override { return QAccessibleWidget::childCount(); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> children = ordered();
        return index >= 0 && index < children.size() ? children[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return static_cast<int>(ordered().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            if (auto *frame = qobject_cast<QGroupBox *>(widget()))
                return frame->title();
            if (widget()->isWindow())
                return widget()->windowTitle();
        }
        return QAccessibleWidget::text(kind);
    }

private:
    QList<QAccessibleInterface *> ordered() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            if (QAccessibleInterface *child = QAccessibleWidget::child(i))
                children.append(child);
        std::stable_sort(children.begin(), children.end(),
                         [](QAccessibleInterface *a, QAccessibleInterface *b) {
                             const QRect first = a->rect();
                             const QRect second = b->rect();
                             return first.top() != second.top() ? first.top() < second.top()
                                                                : first.left() < second.left();
                         });
        return children;
    }
};

QAccessibleInterface *screenOrderFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->property(kReadingOrder).toBool())
        return new ScreenOrderAccessible(widget);
    return nullptr;
}

} // namespace

void readInScreenOrder(QWidget *container)
{
    static const bool installed = [] {
        QAccessible::installFactory(&screenOrderFactory);
        return true;
    }();
    (void)installed;
    container->setProperty(kReadingOrder, true);
    // With assistive technology on, creating the widget has already made Qt's
    // own interface for it; let the next query make the ordered one.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(container);
        made && !dynamic_cast<ScreenOrderAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace toolkit::qt
