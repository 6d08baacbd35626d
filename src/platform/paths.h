// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// Joins a stored relative path such as "\XML\gre.xml" or "/XML/gre.xml" onto a folder.
// Both "\" and "/" separate, and doubled separators count as one.
QString joinPath(const QString &folder, const QString &stored);

} // namespace platform
