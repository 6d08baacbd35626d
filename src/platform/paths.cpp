// SPDX-License-Identifier: GPL-3.0-or-later
#include "paths.h"

#include "services.h"

#include <QRegularExpression>

namespace platform {

QString joinPath(const QString &folder, const QString &stored)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    QString result = folder;
    while (result.size() > 1 && (result.endsWith(u'/') || result.endsWith(u'\\')))
        result.chop(1);
    for (const QString &part : stored.split(separators, Qt::SkipEmptyParts)) {
        if (!result.endsWith(u'/'))
            result += u'/';
        result += part;
    }
    return result;
}

QString Services::programPath(const QString &stored) const
{
    return joinPath(appInfo->programFolder(), stored);
}

} // namespace platform
