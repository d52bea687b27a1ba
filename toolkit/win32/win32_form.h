// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../backend.h"
#include "../controls.h"
#include "../description.h"
#include "../dispatch.h"
#include "../form.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace toolkit {

namespace win32 {

std::wstring wide(std::string_view text);
std::string narrow(std::wstring_view text);

class W32ListBox final : public KeptListBox
{
public:
    W32ListBox(HWND list, const ControlDescription &description, std::string name);

    void setSelectedIndex(std::int16_t index) override;

    // The user changed the selection (LBN_SELCHANGE).
    void userChanged();

    HWND hwnd;
    EventSource source{};
};

class W32OptionButton final : public OptionButton
{
public:
    W32OptionButton(HWND button, const ControlDescription &description);

    const std::string &caption() const override { return m_caption; }
    bool isSelected() const override { return m_selected; }
    void setSelected(bool selected) override;

    HWND hwnd;
    EventSource source{};
    // The option buttons of the same frame, this one among them.
    std::vector<W32OptionButton *> *group = nullptr;
    std::string frame;

private:
    std::string m_caption;
    bool m_selected = false;
};

// Keeps the text exactly as set and brings the edit control up to date once,
// when the message loop next runs.
class W32TextBox final : public TextBox
{
public:
    W32TextBox(HWND edit, HWND form, const ControlDescription &description);

    const std::string &text() const override { return m_text; }
    void setText(std::string text) override;

    void refresh();
    int writes() const { return m_writes; }

    HWND hwnd;
    EventSource source{};

private:
    HWND m_form;
    std::string m_text;
    int m_writes = 0;
    bool m_pending = false;
};

} // namespace win32

struct FormInstance::Backend
{
    explicit Backend(const FormClass &formClass);
    ~Backend();

    struct Placed
    {
        const ControlDescription *description;
        HWND hwnd;
        const Backend *owner;
        // A child window of a frame.
        bool inFrame = false;
        HBRUSH brush = nullptr;
        COLORREF colour = 0;
        EventSource source{};
    };

    HWND widget(std::string_view name, std::int16_t index) const;
    std::string controlName(HWND hwnd) const;
    const Placed *placedOf(HWND hwnd) const;
    win32::W32ListBox *listBox(const ListBox &control) const;
    win32::W32OptionButton *optionButton(const OptionButton &control) const;
    win32::W32TextBox *textBox(const TextBox &control) const;

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // A frame's background, and beneath each of its controls that control's
    // back colour.
    void paintFrame(const Placed &frame, HDC dc) const;
    // Keys that move the focus or the choice, before the message is
    // dispatched: Tab and Shift+Tab along the tab order, arrows among the
    // option buttons of a frame. True when the key was used.
    bool preTranslate(const MSG &message);
    // Runs what is waiting in the message queue.
    void pump();
    // The control with the keyboard focus. Windows gives the focus only to
    // an active window; the form remembers the last one it gave, so that
    // keys still reach it while another program's window is active.
    HWND focused() const;
    void setFocus(HWND hwnd);

    const FormDescription &description;
    Dispatcher dispatcher;
    FormControls controls;
    std::vector<std::unique_ptr<win32::W32ListBox>> listBoxes;
    std::vector<std::unique_ptr<win32::W32OptionButton>> optionButtons;
    std::vector<std::unique_ptr<win32::W32TextBox>> textBoxes;
    std::vector<std::unique_ptr<std::vector<win32::W32OptionButton *>>> groups;
    std::vector<Placed> placed;
    std::vector<HWND> tabChain;
    HWND window = nullptr;
    HWND lastFocus = nullptr;
    HFONT font = nullptr;
    HBRUSH formBrush = nullptr;
    EventSource formSource;
    bool endsRunTime = false;
    std::unique_ptr<Form> form;
};

} // namespace toolkit
