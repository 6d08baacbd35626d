// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsrules.h"

#include <QFileInfo>
#include <QLocale>

QString logfilename(const QDateTime &when)
{
    return when.toString(QStringLiteral("MM-dd-yyyy hh mm  AP"));
}

QString datetimeline(const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    // The long time without the time zone Qt adds to it.
    QString timeformat = locale.timeFormat(QLocale::LongFormat);
    timeformat.remove(u't');
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), timeformat.trimmed());
}

QString logfilecontent(const QString &datetime, const QString &log)
{
    return datetime + QStringLiteral("\r\n") + log + QStringLiteral("\r\n");
}

QString withtextextension(const QString &filename)
{
    return QFileInfo(filename).suffix().isEmpty() ? filename + QStringLiteral(".txt") : filename;
}
