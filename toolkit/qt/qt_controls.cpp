// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_controls.h"

#include "../description.h"
#include "../backend.h"
#include "../error.h"

#include <QItemSelectionModel>

#include <algorithm>
#include <QMetaObject>
#include <QPainter>
#include <QScrollBar>

namespace toolkit::qt {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont toQFont(const FontDescription &description)
{
    QFont font(qt::toQString(description.family));
    font.setPointSize(description.points);
    font.setWeight(static_cast<QFont::Weight>(description.weight));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    return font;
}

QModelIndex ListWidget::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (!selectionModel()->hasSelection() && count() > 0) {
        switch (action) {
        case MoveUp:
        case MoveDown:
        case MoveNext:
        case MovePrevious:
            return model()->index(0, 0);
        default:
            break;
        }
    }
    return QListWidget::moveCursor(action, modifiers);
}

void ListWidget::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    fitRows();
}

void ListWidget::showEvent(QShowEvent *event)
{
    QListWidget::showEvent(event);
    fitRows();
}

void ListWidget::fitRows()
{
    // The few pixels left over below the last whole row become a margin in
    // the list's own colour, where no part of a further entry can peek in.
    const int natural = fontMetrics().height() + 2;
    const int height = viewport()->height() + viewportMargins().bottom();
    const int rows = std::max(1, height / natural);
    const int rowHeight = std::max(natural, height / rows);
    setViewportMargins(0, 0, 0, std::max(0, height - rows * rowHeight));
    if (count() == 0 || item(0)->sizeHint().height() == rowHeight)
        return;
    setUniformItemSizes(true);
    for (int row = 0; row < count(); ++row)
        item(row)->setSizeHint(QSize(0, rowHeight));
}

bool RadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void GroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect border = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(backgroundRole()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
    for (const RadioButton *button : findChildren<RadioButton *>(Qt::FindDirectChildrenOnly))
        if (button->isVisibleTo(this))
            painter.fillRect(button->geometry(), button->palette().color(QPalette::Button));
}

QtListBox::QtListBox(QWidget *parent, const ControlDescription &description, std::string name)
    : KeptListBox(std::move(name)), m_widget(new ListWidget(parent))
{
    m_widget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_widget->setBackgroundRole(QPalette::Base);
    m_widget->setAutoFillBackground(true);
    m_widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const std::string_view entry : description.entries)
        m_widget->addItem(toQString(entry));
    std::vector<std::string> shown(description.entries.begin(), description.entries.end());
    if (description.sorted) {
        m_widget->sortItems();
        for (int row = 0; row < m_widget->count(); ++row)
            shown[static_cast<std::size_t>(row)] = m_widget->item(row)->text().toStdString();
    }
    keep(std::move(shown));
    QObject::connect(m_widget, &QListWidget::itemSelectionChanged, m_widget,
                     [this] { selectionChanged(); });
}

void QtListBox::setSelectedIndex(std::int16_t index)
{
    checkSelectable(index);
    if (index == -1) {
        m_widget->clearSelection();
        return;
    }
    // Selects the entry, makes it current and scrolls it into view; Qt reports
    // the new selection synchronously, which raises Click.
    m_widget->setCurrentRow(index);
}

void QtListBox::selectionChanged()
{
    const QModelIndexList rows = m_widget->selectionModel()->selectedRows();
    m_selected = rows.isEmpty() ? std::int16_t{-1} : static_cast<std::int16_t>(rows.first().row());
    m_source.raise(Event::Click);
}

QtOptionButton::QtOptionButton(QWidget *parent, const ControlDescription &description)
    : m_widget(new RadioButton(toQString(description.text), parent)),
      m_caption(description.text)
{
    QObject::connect(m_widget, &QAbstractButton::toggled, m_widget, [this](bool checked) {
        if (checked)
            m_source.raise(Event::Click);
    });
}

bool QtOptionButton::isSelected() const
{
    return m_widget->isChecked();
}

void QtOptionButton::setSelected(bool selected)
{
    if (selected) {
        m_widget->setChecked(true);
        return;
    }
    // An exclusive button cannot be cleared directly: Qt keeps one selected.
    m_widget->setAutoExclusive(false);
    m_widget->setChecked(false);
    m_widget->setAutoExclusive(true);
}

void TextEdit::showEvent(QShowEvent *event)
{
    if (aboutToShow)
        aboutToShow();
    QPlainTextEdit::showEvent(event);
}

QtTextBox::QtTextBox(QWidget *parent, const ControlDescription &description)
    : m_widget(new TextEdit(parent)), m_text(description.text)
{
    m_widget->setLineWrapMode(description.multiLine ? QPlainTextEdit::WidgetWidth
                                                    : QPlainTextEdit::NoWrap);
    m_widget->setVerticalScrollBarPolicy(description.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
    m_widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (description.locked) {
        m_widget->setReadOnly(true);
        m_widget->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                          Qt::TextSelectableByKeyboard);
    }
    m_widget->setFocusPolicy(Qt::StrongFocus);
    m_widget->aboutToShow = [this] {
        if (m_stale)
            refresh();
    };
}

void QtTextBox::setText(std::string text)
{
    m_text = std::move(text);
    ++m_writes;
    m_stale = true;
    if (!m_refreshPending && m_widget->isVisible()) {
        m_refreshPending = true;
        QMetaObject::invokeMethod(m_widget, [this] { refresh(); }, Qt::QueuedConnection);
    }
    m_source.raise(Event::Change);
}

void QtTextBox::refresh()
{
    m_refreshPending = false;
    if (!m_stale)
        return;
    m_stale = false;
    QString shown = toQString(m_text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_widget->setPlainText(shown);
}

} // namespace toolkit::qt
