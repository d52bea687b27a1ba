// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 backend: Windows' own list boxes, group boxes, radio buttons,
// edit controls and static labels, created from the form's description.
#include "win32_form.h"

#include "../backend.h"
#include "../error.h"

#include <commctrl.h>

#include <algorithm>

namespace toolkit {

using win32::narrow;
using win32::wide;

namespace {

const wchar_t kFormClass[] = L"RekiToolkitForm";

int dpi()
{
    static const int value = [] {
        HDC screen = GetDC(nullptr);
        const int found = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return found > 0 ? found : 96;
    }();
    return value;
}

int pixels(int twips)
{
    return MulDiv(twips, dpi(), 1440);
}

COLORREF toColorRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

LRESULT CALLBACK formProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *backend = reinterpret_cast<FormInstance::Backend *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (backend && backend->window == hwnd)
        return backend->handle(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Raises the mouse, key and focus events of a control.
LRESULT controlMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                       const FormInstance::Backend::Placed *placed)
{
    const bool choice = placed->description->kind == ControlKind::ListBox ||
                        placed->description->kind == ControlKind::OptionButton;
    if (placed->description->kind == ControlKind::Frame) {
        switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // What the frame's controls tell their parent is for the form.
            return SendMessageW(placed->owner->window, message, wParam, lParam);
        case WM_ERASEBKGND:
            placed->owner->paintFrame(*placed, reinterpret_cast<HDC>(wParam));
            return 1;
        default:
            break;
        }
    }
    switch (message) {
    case WM_NCHITTEST:
        // Group boxes and labels let clicks through to the form otherwise.
        if (placed->description->kind == ControlKind::Frame ||
            placed->description->kind == ControlKind::Label)
            return HTCLIENT;
        break;
    case WM_LBUTTONDOWN:
        placed->source.raise(Event::MouseDown);
        break;
    case WM_LBUTTONUP: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        placed->source.raise(Event::MouseUp);
        if (!choice)
            placed->source.raise(Event::Click);
        return result;
    }
    case WM_LBUTTONDBLCLK:
        placed->source.raise(Event::DblClick);
        break;
    case WM_MOUSEMOVE:
        placed->source.raise(Event::MouseMove);
        break;
    case WM_KEYDOWN:
        placed->source.raise(Event::KeyDown);
        break;
    case WM_CHAR:
        placed->source.raise(Event::KeyPress);
        break;
    case WM_KEYUP:
        placed->source.raise(Event::KeyUp);
        break;
    case WM_SETFOCUS:
        placed->source.raise(Event::GotFocus);
        break;
    case WM_KILLFOCUS:
        placed->source.raise(Event::LostFocus);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK controlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR data)
{
    const auto *placed = reinterpret_cast<const FormInstance::Backend::Placed *>(data);
    const LRESULT result = controlMessage(hwnd, message, wParam, lParam, placed);
    if (placed->inFrame) {
        switch (message) {
        case BM_SETCHECK:
        case BM_SETSTATE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_SETTEXT:
        case WM_ENABLE: {
            // The control has drawn itself over its last picture. The frame
            // paints the background beneath it anew; then it, and the
            // controls it overlaps, paint again.
            const HWND frame = GetParent(hwnd);
            RECT area;
            GetWindowRect(hwnd, &area);
            MapWindowPoints(nullptr, frame, reinterpret_cast<POINT *>(&area), 2);
            RedrawWindow(frame, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        }
        default:
            break;
        }
    }
    return result;
}

void registerFormClass()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = formProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
        windowClass.lpszClassName = kFormClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered)
        throw Error("form window", "the window class cannot be registered");
}

} // namespace

FormInstance::Backend::Backend(const FormClass &formClass)
    : description(formClass.description), dispatcher(formClass.binding)
{
    registerFormClass();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT frame{0, 0, pixels(description.clientWidth), pixels(description.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    window = CreateWindowExW(0, kFormClass, wide(description.caption).c_str(), style, CW_USEDEFAULT,
                             CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                             nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window)
        throw Error("form window", "the window cannot be created");
    formBrush = CreateSolidBrush(toColorRef(description.backColour));
    formSource = {&dispatcher, dispatcher.record(description.name), -1};
    const FontDescription &f = description.font;
    font = CreateFontW(-MulDiv(f.points, dpi(), 72), 0, 0, 0, f.weight, f.italic, f.underline,
                       f.strikeOut, static_cast<DWORD>(f.charset), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       wide(f.family).c_str());

    placed.reserve(description.controls.size());
    for (const ControlDescription &control : description.controls) {
        // The controls of a frame are its child windows, placed within it.
        HWND parentWindow = window;
        if (!control.parent.empty()) {
            const auto parent = std::find_if(placed.begin(), placed.end(), [&](const Placed &p) {
                return p.description->name == control.parent && p.description->index == -1;
            });
            if (parent == placed.end())
                throw Error(memberName(control.name, control.index),
                            "its parent " + std::string(control.parent) + " is not created before it");
            parentWindow = parent->hwnd;
        }
        const wchar_t *windowClass = L"STATIC";
        // Controls on the form never paint over each other. Those of a frame
        // leave their background to the frame and may overlap: each draws
        // its caption whole, descenders included, where the next one
        // overlaps it, as stacking still decides which one takes a click.
        DWORD controlStyle = WS_CHILD | (parentWindow == window ? WS_CLIPSIBLINGS : 0) |
                             (control.visible ? WS_VISIBLE : 0);
        DWORD extended = 0;
        switch (control.kind) {
        case ControlKind::ListBox:
            windowClass = L"LISTBOX";
            controlStyle |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP |
                            (control.sorted ? LBS_SORT : 0);
            extended = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Frame:
            windowClass = L"BUTTON";
            controlStyle |= BS_GROUPBOX;
            break;
        case ControlKind::OptionButton:
            windowClass = L"BUTTON";
            controlStyle |= BS_RADIOBUTTON | WS_TABSTOP;
            break;
        case ControlKind::TextBox:
            windowClass = L"EDIT";
            controlStyle |= WS_TABSTOP | (control.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL) |
                            (control.verticalScrollBar ? WS_VSCROLL : 0) |
                            (control.locked ? ES_READONLY : 0);
            extended = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Label:
            controlStyle |= (control.centred ? SS_CENTER : SS_LEFT) | SS_NOTIFY;
            break;
        }
        const bool hasCaption = control.kind != ControlKind::ListBox && control.kind != ControlKind::TextBox;
        HWND hwnd = CreateWindowExW(extended, windowClass,
                                    hasCaption ? wide(control.text).c_str() : L"", controlStyle,
                                    pixels(control.left), pixels(control.top), pixels(control.width),
                                    pixels(control.height), parentWindow,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + placed.size())),
                                    GetModuleHandleW(nullptr), nullptr);
        if (!hwnd)
            throw Error(memberName(control.name, control.index), "the control cannot be created");
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        Placed entry{&control, hwnd, this, parentWindow != window};
        entry.source = {&dispatcher, dispatcher.record(control.name), control.index};
        if (control.backColour) {
            entry.colour = toColorRef(*control.backColour);
            entry.brush = CreateSolidBrush(entry.colour);
        }
        const std::string name = memberName(control.name, control.index);
        switch (control.kind) {
        case ControlKind::ListBox: {
            auto &box = listBoxes.emplace_back(std::make_unique<win32::W32ListBox>(hwnd, control, name));
            box->source = entry.source;
            controls.add(control.name, control.index, *box);
            break;
        }
        case ControlKind::OptionButton: {
            auto &button = optionButtons.emplace_back(std::make_unique<win32::W32OptionButton>(hwnd, control));
            button->source = entry.source;
            controls.add(control.name, control.index, *button);
            break;
        }
        case ControlKind::TextBox: {
            auto &box = textBoxes.emplace_back(std::make_unique<win32::W32TextBox>(hwnd, window, control));
            box->source = entry.source;
            controls.add(control.name, control.index, *box);
            break;
        }
        case ControlKind::Frame:
        case ControlKind::Label:
            break;
        }
        placed.push_back(entry);
    }
    for (const Placed &control : placed)
        SetWindowSubclass(control.hwnd, controlProcedure, 1, reinterpret_cast<DWORD_PTR>(&control));

    // Option buttons of one frame are one exclusive set.
    for (auto &button : optionButtons) {
        auto found = std::find_if(groups.begin(), groups.end(), [&](const auto &group) {
            return group->front()->frame == button->frame;
        });
        if (found == groups.end()) {
            groups.push_back(std::make_unique<std::vector<win32::W32OptionButton *>>());
            found = groups.end() - 1;
        }
        (*found)->push_back(button.get());
        button->group = found->get();
    }

    // Stacking, top to bottom: a control created earlier over one created
    // later, a frame's controls over the frame, labels beneath everything.
    std::vector<HWND> stack;
    for (const Placed &control : placed) {
        if (!control.description->parent.empty() || control.description->kind == ControlKind::Label)
            continue;
        if (control.description->kind == ControlKind::Frame)
            for (const Placed &child : placed)
                if (child.description->parent == control.description->name)
                    stack.push_back(child.hwnd);
        stack.push_back(control.hwnd);
    }
    for (const Placed &control : placed)
        if (control.description->kind == ControlKind::Label)
            stack.push_back(control.hwnd);
    for (HWND hwnd : stack)
        SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    std::vector<const Placed *> order;
    for (const Placed &control : placed)
        if (control.description->visible && (control.description->kind == ControlKind::ListBox ||
                                             control.description->kind == ControlKind::OptionButton ||
                                             control.description->kind == ControlKind::TextBox))
            order.push_back(&control);
    std::stable_sort(order.begin(), order.end(), [](const Placed *a, const Placed *b) {
        return a->description->tabIndex < b->description->tabIndex;
    });
    for (const Placed *control : order)
        tabChain.push_back(control->hwnd);

    form = formClass.create(controls);
    dispatcher.setForm(form.get());
    formSource.raise(Event::Load);
}

FormInstance::Backend::~Backend()
{
    formSource.raise(Event::Terminate);
    dispatcher.setForm(nullptr);
    for (const Placed &control : placed)
        RemoveWindowSubclass(control.hwnd, controlProcedure, 1);
    if (IsWindow(window))
        DestroyWindow(window);
    for (const Placed &control : placed)
        if (control.brush)
            DeleteObject(control.brush);
    DeleteObject(formBrush);
    DeleteObject(font);
}

HWND FormInstance::Backend::widget(std::string_view name, std::int16_t index) const
{
    for (const Placed &control : placed)
        if (control.description->name == name && control.description->index == index)
            return control.hwnd;
    return nullptr;
}

void FormInstance::Backend::paintFrame(const Placed &frame, HDC dc) const
{
    RECT area;
    GetClientRect(frame.hwnd, &area);
    FillRect(dc, &area, frame.brush ? frame.brush : formBrush);
    // Beneath its controls, their own back colours.
    for (const Placed &control : placed) {
        if (!control.inFrame || !control.brush || GetParent(control.hwnd) != frame.hwnd ||
            !IsWindowVisible(control.hwnd))
            continue;
        GetWindowRect(control.hwnd, &area);
        MapWindowPoints(nullptr, frame.hwnd, reinterpret_cast<POINT *>(&area), 2);
        FillRect(dc, &area, control.brush);
    }
}

const FormInstance::Backend::Placed *FormInstance::Backend::placedOf(HWND hwnd) const
{
    for (const Placed &control : placed)
        if (control.hwnd == hwnd)
            return &control;
    return nullptr;
}

std::string FormInstance::Backend::controlName(HWND hwnd) const
{
    const Placed *control = placedOf(hwnd);
    return control ? memberName(control->description->name, control->description->index) : std::string();
}

win32::W32ListBox *FormInstance::Backend::listBox(const ListBox &control) const
{
    return adapterOf(listBoxes, control);
}

win32::W32OptionButton *FormInstance::Backend::optionButton(const OptionButton &control) const
{
    return adapterOf(optionButtons, control);
}

win32::W32TextBox *FormInstance::Backend::textBox(const TextBox &control) const
{
    return adapterOf(textBoxes, control);
}

LRESULT FormInstance::Backend::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const HWND from = reinterpret_cast<HWND>(lParam);
        const UINT code = HIWORD(wParam);
        for (auto &box : listBoxes)
            if (box->hwnd == from && code == LBN_SELCHANGE)
                box->userChanged();
        for (auto &button : optionButtons)
            if (button->hwnd == from && (code == BN_CLICKED || code == BN_DOUBLECLICKED))
                button->setSelected(true);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT: {
        const Placed *control = placedOf(reinterpret_cast<HWND>(lParam));
        HDC dc = reinterpret_cast<HDC>(wParam);
        if (control && control->inFrame) {
            // The frame has painted the background already.
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        if (control && control->brush) {
            SetBkColor(dc, control->colour);
            return reinterpret_cast<LRESULT>(control->brush);
        }
        if (control && control->description->kind == ControlKind::Frame) {
            SetBkColor(dc, toColorRef(description.backColour));
            return reinterpret_cast<LRESULT>(formBrush);
        }
        break;
    }
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, formBrush);
        return 1;
    }
    case WM_APP:
        reinterpret_cast<win32::W32TextBox *>(lParam)->refresh();
        return 0;
    case WM_LBUTTONUP:
        formSource.raise(Event::MouseUp);
        formSource.raise(Event::Click);
        return 0;
    case WM_LBUTTONDOWN:
        formSource.raise(Event::MouseDown);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            formSource.raise(Event::Activate);
        break;
    case WM_PAINT:
        formSource.raise(Event::Paint);
        break;
    case WM_CLOSE:
        formSource.raise(Event::QueryUnload);
        formSource.raise(Event::Unload);
        if (endsRunTime)
            DestroyWindow(window);
        else
            ShowWindow(window, SW_HIDE);
        return 0;
    case WM_DESTROY:
        if (endsRunTime)
            PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool FormInstance::Backend::preTranslate(const MSG &message)
{
    if (message.message != WM_KEYDOWN || (message.hwnd != window && !IsChild(window, message.hwnd)))
        return false;
    const HWND focused = this->focused();
    if (message.wParam == VK_TAB) {
        // The option buttons of a frame are one stop: the selected one, or
        // the first of the tab order while none is selected.
        std::vector<HWND> stops;
        for (HWND hwnd : tabChain) {
            win32::W32OptionButton *button = nullptr;
            for (auto &candidate : optionButtons)
                if (candidate->hwnd == hwnd)
                    button = candidate.get();
            if (button) {
                const auto &group = *button->group;
                const bool anySelected = std::any_of(group.begin(), group.end(),
                                                     [](auto *b) { return b->isSelected(); });
                if (anySelected ? !button->isSelected()
                                : std::any_of(stops.begin(), stops.end(), [&](HWND stop) {
                                      return std::any_of(group.begin(), group.end(),
                                                         [&](auto *b) { return b->hwnd == stop; });
                                  }))
                    continue;
            }
            stops.push_back(hwnd);
        }
        if (stops.empty())
            return true;
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        auto at = std::find(stops.begin(), stops.end(), focused);
        std::size_t next = 0;
        if (at == stops.end()) {
            // Focus on a button that is no stop: find its frame's stop.
            for (auto &button : optionButtons)
                if (button->hwnd == focused)
                    for (auto *peer : *button->group) {
                        auto stop = std::find(stops.begin(), stops.end(), peer->hwnd);
                        if (stop != stops.end())
                            at = stop;
                    }
        }
        if (at != stops.end()) {
            const auto index = static_cast<std::size_t>(at - stops.begin());
            next = backwards ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
        }
        setFocus(stops[next]);
        return true;
    }
    if (message.wParam == VK_UP || message.wParam == VK_DOWN || message.wParam == VK_LEFT ||
        message.wParam == VK_RIGHT) {
        for (auto &button : optionButtons) {
            if (button->hwnd != focused)
                continue;
            // The next button of the frame on screen, top to bottom.
            std::vector<win32::W32OptionButton *> peers = *button->group;
            std::stable_sort(peers.begin(), peers.end(), [](auto *a, auto *b) {
                RECT first;
                RECT second;
                GetWindowRect(a->hwnd, &first);
                GetWindowRect(b->hwnd, &second);
                return first.top < second.top;
            });
            const auto at = static_cast<std::size_t>(std::find(peers.begin(), peers.end(), button.get()) - peers.begin());
            const bool forwards = message.wParam == VK_DOWN || message.wParam == VK_RIGHT;
            win32::W32OptionButton *next = peers[(at + (forwards ? 1 : peers.size() - 1)) % peers.size()];
            setFocus(next->hwnd);
            next->setSelected(true);
            return true;
        }
    }
    return false;
}

HWND FormInstance::Backend::focused() const
{
    const HWND hwnd = GetFocus();
    return hwnd && placedOf(hwnd) ? hwnd : lastFocus;
}

void FormInstance::Backend::setFocus(HWND hwnd)
{
    lastFocus = hwnd;
    SetFocus(hwnd);
}

void FormInstance::Backend::pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        if (!preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
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
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT frame;
    GetWindowRect(m_backend->window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(m_backend->window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(m_backend->window, SW_SHOW);
    UpdateWindow(m_backend->window);
    SetForegroundWindow(m_backend->window);
    if (!m_backend->tabChain.empty())
        m_backend->setFocus(m_backend->tabChain.front());
}

bool FormInstance::isVisible() const
{
    return IsWindowVisible(m_backend->window) != FALSE;
}

void FormInstance::setObserver(DispatchObserver observer)
{
    m_backend->dispatcher.setObserver(std::move(observer));
}

} // namespace toolkit
