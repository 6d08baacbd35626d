// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistupdate.h"

#include "dictionary.h"
#include "readxml.h"

#include "platform/error.h"
#include "platform/textfile.h"

#include <QCoreApplication>

namespace core {

QUrl WordListUpdate::defaultAddress()
{
    return QUrl(QStringLiteral(VOCABRIX_UPDATE_URL));
}

void WordListUpdate::replaceDefaultDictionary(platform::Http &http, platform::Files &files,
                                              Dictionary &dictionary) const
{
    const platform::HttpResponse response = http.get(source, updateTimeoutMs, updateMaxBytes);
    // Only a whole, loadable word list may replace the dictionary.
    const QString problem = updateProblem(response);
    if (!problem.isEmpty())
        throw platform::Error(platform::Error::io, problem);
    dictionary.replaceFile(files, QStringLiteral("\\XML\\gre.xml"),
                           (platform::decodeText(response.body) + QStringLiteral("\r\n")).toUtf8());
}

QString updateProblem(const platform::HttpResponse &response)
{
    if (!response.error.isEmpty())
        return response.error;
    if (response.status < 200 || response.status > 299)
        return QCoreApplication::translate("core", "The server answered with status %1.")
            .arg(response.status);
    if (response.body.isEmpty())
        return QCoreApplication::translate("core", "The server sent nothing.");
    try {
        const auto lists = parseWordLists(platform::decodeText(response.body));
        if (!lists || lists->words.isEmpty())
            return QCoreApplication::translate("core", "The server did not send a word list.");
    } catch (const platform::Error &failure) {
        return failure.message();
    }
    return QString();
}

} // namespace core
