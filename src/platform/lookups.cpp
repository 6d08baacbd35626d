// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookups.h"

#include "services.h"

#include <QFileInfo>

namespace platform {

QUrl lookupAddress(const LookupService &service, const QString &word)
{
    return QUrl(service.endpoint + service.query +
                    QString::fromLatin1(QUrl::toPercentEncoding(word)),
                QUrl::StrictMode);
}

bool browse(Launcher &launcher, const QUrl &address)
{
#ifdef Q_OS_WIN
    const QString classic = QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe");
    if (QFileInfo::exists(classic))
        return launcher.start(classic, {address.toString(QUrl::FullyEncoded)});
#endif
    return launcher.openUrl(address);
}

} // namespace platform
