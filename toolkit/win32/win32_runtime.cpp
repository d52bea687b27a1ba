// SPDX-License-Identifier: GPL-3.0-or-later
#include "../runtime.h"

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

int run(const ProjectDescription &project)
{
    Runtime runtime;
    return runtime.run(project);
}

} // namespace toolkit
