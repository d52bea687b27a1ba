// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace toolkit::qt {

// Lets assistive technology meet the controls of a form or a frame in their
// reading order on screen, top to bottom and then left to right. Qt would
// give them in stacking order, which the description fixes for other ends.
void readInScreenOrder(QWidget *container);

} // namespace toolkit::qt
