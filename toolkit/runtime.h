// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>

namespace toolkit {

struct FormClass;

// What a program hands to the run time: its name and the form it starts with.
struct ProjectDescription
{
    // The program's file name, which opens the message of an error that ends it.
    std::string_view name;
    std::string_view title;
    const FormClass &startup;
};

// The window system and its event loop, for the one thread. There is one at
// a time; it takes no command line.
class Runtime
{
public:
    Runtime();
    ~Runtime();
    Runtime(const Runtime &) = delete;
    Runtime &operator=(const Runtime &) = delete;

    // Creates the start-up form, shows it and runs the event loop until the
    // window is closed; then returns the exit status, 0.
    int run(const ProjectDescription &project);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The whole life of a program: a run time for the project, run to its end.
int run(const ProjectDescription &project);

} // namespace toolkit
