// SPDX-License-Identifier: GPL-3.0-or-later
#include "../runtime.h"

#include "../backend.h"
#include "../dispatch.h"
#include "../form.h"
#include "qt_controls.h"
#include "qt_form.h"

#include <QApplication>

#include <string>

namespace toolkit {

struct Runtime::Impl
{
    // The program takes no command line: Qt is given the program's name alone.
    int argc = 1;
    std::string name = "reki-i-selishta";
    char *argv[2] = {name.data(), nullptr};
    QApplication application{argc, argv};
};

Runtime::Runtime() : m_impl(std::make_unique<Impl>()) {}

Runtime::~Runtime() = default;

int Runtime::run(const ProjectDescription &project)
{
    setProgramName(project.name);
    QApplication::setApplicationName(QString::fromUtf8(project.name.data(),
                                                       static_cast<qsizetype>(project.name.size())));
    // Every control inherits the start-up form's font. Making it the
    // application's font as well keeps Qt from loading its default face,
    // which nothing on the screen would use.
    QApplication::setFont(qt::toQFont(project.startup.description.font));
    FormInstance form(project.startup);
    form.show();
    return QApplication::exec();
}

void showFatalError(const std::string &, const std::string &)
{
    // Desktops keep a program's standard error in the session's log, which
    // already has the message.
}

int run(const ProjectDescription &project)
{
    Runtime runtime;
    return runtime.run(project);
}

} // namespace toolkit
