// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace widgets {

// The icon of a description toolbar button, by its key: the desktop theme's icon when there
// is one, otherwise one drawn by the program.
QIcon toolbarIcon(const QString &key);

} // namespace widgets
