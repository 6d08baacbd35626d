// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistupdate.h"

#include "readxml.h"

#include "../platform/error.h"
#include "../platform/textfile.h"

namespace {
QUrl &address()
{
    static QUrl configured(QStringLiteral(VOCABRIX_UPDATE_URL));
    return configured;
}
} // namespace

QUrl updateaddress()
{
    return address();
}

void setupdateaddress(const QUrl &replacement)
{
    address() = replacement;
}

QString updateproblem(const platform::httpresponse &response)
{
    if (!response.error.isEmpty())
        return response.error;
    if (response.status < 200 || response.status > 299)
        return QStringLiteral("The server answered with status %1.").arg(response.status);
    if (response.body.isEmpty())
        return QStringLiteral("The server sent nothing.");
    try {
        const auto lists = parsewordlists(platform::decodetext(response.body));
        if (!lists || lists->words.isEmpty())
            return QStringLiteral("The server did not send a word list.");
    } catch (const vocabrix::error &failure) {
        return failure.message();
    }
    return QString();
}
