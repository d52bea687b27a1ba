// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../backend.h"
#include "../controls.h"
#include "../dispatch.h"

#include <QFont>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

struct ControlDescription;
struct FontDescription;

namespace qt {

// A list whose arrow keys start at the first entry while nothing is selected,
// although Qt makes the first entry current as soon as the list is focused.
// Its rows share the list's height evenly, so that no entry is ever shown
// cut off at the bottom: the list scrolls by whole entries.
class ListWidget final : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitRows();
};

// An option button that takes a click anywhere on its band, not only on the
// indicator and the caption's text.
class RadioButton final : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override;
};

// A frame drawn in its back colour with its caption on the top border line.
// It also paints the back colours of its option buttons beneath all of them,
// so that where two buttons overlap the caption of the lower one still shows
// through the upper one's transparent band.
class GroupBox final : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class QtListBox final : public KeptListBox
{
public:
    QtListBox(QWidget *parent, const ControlDescription &description, std::string name);

    void setSelectedIndex(std::int16_t index) override;

    void setEventSource(EventSource source) { m_source = source; }
    ListWidget *widget() const { return m_widget; }

private:
    void selectionChanged();

    ListWidget *m_widget;
    EventSource m_source;
};

class QtOptionButton final : public OptionButton
{
public:
    QtOptionButton(QWidget *parent, const ControlDescription &description);

    const std::string &caption() const override { return m_caption; }
    bool isSelected() const override;
    void setSelected(bool selected) override;

    void setEventSource(EventSource source) { m_source = source; }
    RadioButton *widget() const { return m_widget; }

private:
    RadioButton *m_widget;
    std::string m_caption;
    EventSource m_source;
};

// Keeps the text exactly as set, line ends included, and brings the widget
// up to date once before it is next drawn, however often the text was set.
// A text box that tells when it is about to be shown.
class TextEdit final : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

    std::function<void()> aboutToShow;

protected:
    void showEvent(QShowEvent *event) override;
};

class QtTextBox final : public TextBox
{
public:
    QtTextBox(QWidget *parent, const ControlDescription &description);

    const std::string &text() const override { return m_text; }
    void setText(std::string text) override;

    void setEventSource(EventSource source) { m_source = source; }
    QPlainTextEdit *widget() const { return m_widget; }
    int writes() const { return m_writes; }

private:
    void refresh();

    TextEdit *m_widget;
    std::string m_text;
    // The widget shows an older text, to be brought up to date before it is
    // shown: until then a text box lays out nothing, and a hidden one never.
    bool m_stale = true;
    int m_writes = 0;
    bool m_refreshPending = false;
    EventSource m_source;
};

QString toQString(std::string_view text);
QFont toQFont(const FontDescription &description);

} // namespace qt
} // namespace toolkit
