// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the answer log is named and written to a file.

#include <QDateTime>
#include <QString>

namespace core {

// The suggested file name, "mm-dd-yyyy hh mm  AM/PM" on the 12-hour clock.
QString logFileName(const QDateTime &when);
// The first line of a saved log: the short date and the long time of the user's locale.
QString dateTimeLine(const QDateTime &when);
// The whole file: the date-time line, CR LF, the log as it stands, and a final CR LF.
QString logFileContent(const QString &datetime, const QString &log);
// A name typed without an extension gets ".txt".
QString withTextExtension(const QString &filename);

} // namespace core
