// SPDX-License-Identifier: GPL-3.0-or-later
// The finished Windows program, worked from outside as its user works it:
// another program on the same desktop starts it, waits for its window, clicks
// a river and a settlement with the system's own mouse input, reads the
// report back and closes the window. A second case shows the box with which
// the run time ends a program that has no standard error stream.
//
//   windows_smoke_test reki-i-selishta.exe
#include "expected.h"

#include "toolkit/dispatch.h"
#include "toolkit/win32/win32_form.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

std::wstring programPath;
const wchar_t kEndWithError[] = L"--end-with-error";
const std::string kFatalMessage = "Click of Option1(8) failed: Option1(8): no such member";

// The toolkit's own conversions between UTF-8 and Windows' UTF-16.
using toolkit::win32::narrow;
using toolkit::win32::wide;

// A path as the command line gives it; under Wine a Unix path is on drive Z:.
std::wstring windowsPath(std::string path)
{
    if (!path.empty() && path.front() == '/') {
        for (char &c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return wide(path);
}

std::string textOf(HWND hwnd)
{
    // WM_GETTEXT reaches into the other process; GetWindowText would not.
    const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return narrow(text);
}

// Window classes are named without regard to case ("BUTTON" is "Button").
bool isOfClass(HWND hwnd, const wchar_t *windowClass)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return lstrcmpiW(name, windowClass) == 0;
}

bool waitFor(const std::function<bool()> &condition, std::chrono::milliseconds limit = std::chrono::seconds(20))
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// A process of the test's own, ended when the test ends.
class Started
{
public:
    // errorFile: where its standard error goes; empty for none at all, as when
    // the program is started from the desktop.
    Started(std::wstring commandLine, const std::wstring &errorFile)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        if (!errorFile.empty()) {
            SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
            m_error = CreateFileW(errorFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            startup.hStdError = m_error;
        }
        m_started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                   &startup, &m_info) != 0;
    }
    ~Started()
    {
        if (m_started) {
            if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(m_info.hProcess, 99);
            CloseHandle(m_info.hThread);
            CloseHandle(m_info.hProcess);
        }
        if (m_error != INVALID_HANDLE_VALUE)
            CloseHandle(m_error);
    }
    Started(const Started &) = delete;
    Started &operator=(const Started &) = delete;

    bool started() const { return m_started; }

    // Its visible top-level window of the given class, or nullptr.
    HWND window(const wchar_t *windowClass) const
    {
        struct Search
        {
            DWORD process;
            const wchar_t *windowClass;
            HWND found;
        } search{m_info.dwProcessId, windowClass, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM data) -> BOOL {
                auto &s = *reinterpret_cast<Search *>(data);
                DWORD process = 0;
                GetWindowThreadProcessId(hwnd, &process);
                if (process == s.process && IsWindowVisible(hwnd) && isOfClass(hwnd, s.windowClass)) {
                    s.found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // Its exit status, once it has ended within the limit; -1 otherwise.
    long exitCode(DWORD milliseconds = 20000) const
    {
        if (WaitForSingleObject(m_info.hProcess, milliseconds) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(m_info.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION m_info{};
    HANDLE m_error = INVALID_HANDLE_VALUE;
    bool m_started = false;
};

std::vector<HWND> childrenOf(HWND window)
{
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND hwnd, LPARAM data) -> BOOL {
            reinterpret_cast<std::vector<HWND> *>(data)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND childWithText(HWND window, const wchar_t *windowClass, std::string_view text)
{
    for (HWND child : childrenOf(window))
        if (isOfClass(child, windowClass) && textOf(child) == text)
            return child;
    return nullptr;
}

HWND visibleChild(HWND window, const wchar_t *windowClass)
{
    for (HWND child : childrenOf(window))
        if (isOfClass(child, windowClass) && IsWindowVisible(child))
            return child;
    return nullptr;
}

// A press and release of the left button at a point of the screen, through
// the system's input queue, as a mouse makes it. False, and no click, when
// another window covers the point there.
bool clickAt(POINT point, HWND target)
{
    if (WindowFromPoint(point) != target)
        return false;
    SetCursorPos(point.x, point.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, input, sizeof(INPUT)) == 2;
}

bool clickOn(HWND control)
{
    RECT area;
    GetWindowRect(control, &area);
    return clickAt({(area.left + area.right) / 2, (area.top + area.bottom) / 2}, control);
}

std::string entryOf(HWND list, int index)
{
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return narrow(text);
}

bool clickOnEntry(HWND list, int index)
{
    const auto height = static_cast<LONG>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const auto top = static_cast<LONG>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    POINT point{8, (index - top) * height + height / 2};
    ClientToScreen(list, &point);
    return clickAt(point, list);
}

std::string reportOf(HWND list, const expected::River &river)
{
    return expected::report(river, [&](std::int16_t s) { return entryOf(list, s); });
}

bool checked(HWND button)
{
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string contents(const std::wstring &file)
{
    std::string text;
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return "(not readable)";
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(handle);
    return text;
}

std::wstring temporaryFile(const wchar_t *prefix)
{
    wchar_t folder[MAX_PATH];
    wchar_t file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, prefix, 0, file);
    return file;
}

TEST(WindowsProgram, ChoicesByMouseWriteTheReportAndClosingEndsIt)
{
    const std::wstring errors = temporaryFile(L"rek");
    Started program(L"\"" + programPath + L"\"", errors);
    ASSERT_TRUE(program.started());
    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] { return (window = program.window(L"RekiToolkitForm")) != nullptr; }))
        << "no window within 20 s";
    EXPECT_EQ(textOf(window), "https://reki-i-selishta.example   География - реки и селища");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0) << std::hex << style;

    HWND list = visibleChild(window, L"LISTBOX");
    HWND report = visibleChild(window, L"EDIT");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 46);
    EXPECT_EQ(textOf(report).rfind("Да се реализира проект", 0), 0U) << textOf(report);

    const expected::River &ogosta = expected::rivers()[3];
    HWND ogostaButton = childWithText(window, L"BUTTON", ogosta.caption);
    ASSERT_NE(ogostaButton, nullptr);
    ASSERT_TRUE(clickOn(ogostaButton)) << "the button is covered";
    EXPECT_TRUE(waitFor([&] { return textOf(report) == reportOf(list, ogosta); })) << textOf(report);
    EXPECT_TRUE(checked(ogostaButton));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), ogosta.last());

    // A settlement in the rows shown first: Бобошево, on the Струма.
    const expected::River &struma = expected::rivers()[5];
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    const std::int16_t settlement = 2;
    ASSERT_EQ(expected::riverOf(settlement), struma.index);
    HWND strumaButton = childWithText(window, L"BUTTON", struma.caption);
    ASSERT_NE(strumaButton, nullptr);
    ASSERT_TRUE(clickOnEntry(list, settlement)) << "the list is covered";
    EXPECT_TRUE(waitFor([&] { return textOf(report) == reportOf(list, struma); })) << textOf(report);
    EXPECT_TRUE(checked(strumaButton));
    EXPECT_FALSE(checked(ogostaButton));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), settlement);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(contents(errors), "");
    DeleteFileW(errors.c_str());
}

COLORREF pixelAt(HWND control, POINT point)
{
    ClientToScreen(control, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool dark(COLORREF colour)
{
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 96;
}

// The option buttons overlap their neighbours by 3 pixels. The one created
// first takes a click there, and the upper caption's descenders still show.
TEST(WindowsProgram, OptionButtonsOverlapAsDescribed)
{
    Started program(L"\"" + programPath + L"\"", temporaryFile(L"rek"));
    ASSERT_TRUE(program.started());
    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] { return (window = program.window(L"RekiToolkitForm")) != nullptr; }));
    std::vector<HWND> buttons;
    for (const expected::River &river : expected::rivers()) {
        buttons.push_back(childWithText(window, L"BUTTON", river.caption));
        ASSERT_NE(buttons.back(), nullptr) << river.caption;
    }
    // Let the window paint.
    Sleep(500);

    // The one on top in each strip, from Арда/Искър down to Тунджа/Янтра.
    const int onTop[] = {1, 2, 3, 4, 4, 6, 7};
    for (int river = 0; river < 7; ++river) {
        RECT upper;
        RECT lower;
        GetWindowRect(buttons[static_cast<std::size_t>(river)], &upper);
        GetWindowRect(buttons[static_cast<std::size_t>(river + 1)], &lower);
        ASSERT_EQ(upper.bottom - lower.top, 3) << "rivers " << river << " and " << river + 1;
        bool descender = false;
        for (LONG y = lower.top; y < upper.bottom; ++y) {
            EXPECT_EQ(WindowFromPoint({(upper.left + upper.right) / 2, y}),
                      buttons[static_cast<std::size_t>(onTop[river])])
                << "rivers " << river << " and " << river + 1 << ", row " << y - lower.top;
            // Every caption begins with "р", whose tail reaches into the strip.
            for (LONG x = 14; x < 32; ++x)
                descender = descender || dark(pixelAt(buttons[static_cast<std::size_t>(river)],
                                                      {x, y - upper.top}));
        }
        EXPECT_TRUE(descender) << "the caption of river " << river << " is cut off at its foot";
    }

    // The frame's own colour around the buttons, and the buttons' green.
    HWND frame = childWithText(window, L"BUTTON", "Реки");
    ASSERT_NE(frame, nullptr);
    RECT inside;
    GetClientRect(frame, &inside);
    EXPECT_EQ(pixelAt(frame, {4, inside.bottom / 2}), RGB(192, 192, 255));
    RECT band;
    GetClientRect(buttons[0], &band);
    EXPECT_EQ(pixelAt(buttons[0], {band.right - 2, 1}), RGB(128, 255, 128));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(WindowsProgram, AnErrorThatEndsAProgramWithoutStandardErrorIsShownInABox)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    Started failing(L"\"" + std::wstring(self) + L"\" " + kEndWithError, L"");
    ASSERT_TRUE(failing.started());
    HWND box = nullptr;
    ASSERT_TRUE(waitFor([&] { return (box = failing.window(L"#32770")) != nullptr; })) << "no box within 20 s";
    EXPECT_EQ(textOf(box), "reki-i-selishta");
    std::string shown;
    for (HWND child : childrenOf(box))
        if (isOfClass(child, L"Static"))
            shown += textOf(child);
    EXPECT_NE(shown.find("Програмата спря поради грешка."), std::string::npos) << shown;
    EXPECT_NE(shown.find(kFatalMessage), std::string::npos) << shown;
    EXPECT_EQ(failing.exitCode(0), -1) << "it ended before the box was closed";

    HWND ok = nullptr;
    for (HWND child : childrenOf(box))
        if (isOfClass(child, L"Button"))
            ok = child;
    ASSERT_NE(ok, nullptr);
    ASSERT_TRUE(clickOn(ok)) << "the button is covered";
    EXPECT_EQ(failing.exitCode(), 1);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && wide(argv[1]) == kEndWithError) {
        toolkit::setProgramName("reki-i-selishta");
        toolkit::endProgram(kFatalMessage);
    }
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: windows_smoke_test reki-i-selishta.exe\n");
        return 2;
    }
    programPath = windowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
