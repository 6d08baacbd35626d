// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorrules.h"

#include "platform/error.h"

editorcheck checkeditortext(const QString &xmltext)
{
    editorcheck result;
    QString parseproblem;
    std::optional<wordlists> lists;
    try {
        lists = parsewordlists(xmltext, &parseproblem);
    } catch (const vocabrix::error &failure) {
        result.problem = failure.message();
        return result;
    }
    if (!lists) {
        result.problem = QStringLiteral("The text is not well-formed XML: %1.").arg(parseproblem);
        return result;
    }
    const qsizetype words = lists->words.size(), meanings = lists->meanings.size(),
                    usages = lists->usages.size();
    if (words == 0)
        result.problem = QStringLiteral("The text holds no word element.");
    else if (meanings != words || usages != words)
        result.problem = QStringLiteral("The text holds %1 word, %2 meaning and %3 usage "
                                        "elements; every word needs one meaning and one usage.")
                             .arg(words)
                             .arg(meanings)
                             .arg(usages);
    else
        result.lists = std::move(*lists);
    return result;
}
