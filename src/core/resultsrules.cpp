// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsrules.h"

#include <QFileInfo>
#include <QLocale>

namespace core {

QString logFileName(const QDateTime &when)
{
    return when.toString(QStringLiteral("MM-dd-yyyy hh mm  AP"));
}

QString dateTimeLine(const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    // The long time without the time zone Qt adds to it.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(u't');
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), timeFormat.trimmed());
}

QString logFileContent(const QString &datetime, const QString &log)
{
    return datetime + QStringLiteral("\r\n") + log + QStringLiteral("\r\n");
}

QString withTextExtension(const QString &filename)
{
    return QFileInfo(filename).suffix().isEmpty() ? filename + QStringLiteral(".txt") : filename;
}

} // namespace core
