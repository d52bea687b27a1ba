// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace toolkit {

// The one kind of failure a toolkit operation reports. It names the operation
// that failed, so that the message that ends the program says what went wrong.
class Error : public std::runtime_error
{
public:
    Error(std::string operation, const std::string &reason);

    const std::string &operation() const noexcept { return m_operation; }

private:
    std::string m_operation;
};

} // namespace toolkit
