// SPDX-License-Identifier: GPL-3.0-or-later
#include "error.h"

namespace toolkit {

Error::Error(std::string operation, const std::string &reason)
    : std::runtime_error(operation + ": " + reason), m_operation(std::move(operation))
{
}

} // namespace toolkit
