// SPDX-License-Identifier: GPL-3.0-or-later
#include "../runtime.h"

#include "../backend.h"
#include "../dispatch.h"
#include "../form.h"
#include "win32_form.h"

namespace toolkit {

struct Runtime::Impl
{
};

Runtime::Runtime() : m_impl(std::make_unique<Impl>())
{
    // Places in twips become pixels at the screen's own resolution.
    SetProcessDPIAware();
}

Runtime::~Runtime() = default;

int Runtime::run(const ProjectDescription &project)
{
    setProgramName(project.name);
    FormInstance form(project.startup);
    form.backend().endsRunTime = true;
    form.show();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!form.backend().preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

void showFatalError(const std::string &program, const std::string &message)
{
    // A graphical program started from the desktop has no standard error
    // stream. Its user is told in a box instead, before the window goes.
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error != nullptr && error != INVALID_HANDLE_VALUE)
        return;
    const std::wstring text = L"Програмата спря поради грешка.\r\n\r\n" + win32::wide(message);
    MessageBoxW(nullptr, text.c_str(), win32::wide(program).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

int run(const ProjectDescription &project)
{
    Runtime runtime;
    return runtime.run(project);
}

} // namespace toolkit
