// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorrules.h"

#include "platform/error.h"

#include <QCoreApplication>

namespace core {

EditorCheck checkEditorText(const QString &xmlText)
{
    EditorCheck result;
    QString parseProblem;
    std::optional<WordLists> lists;
    try {
        lists = parseWordLists(xmlText, &parseProblem);
    } catch (const platform::Error &failure) {
        result.problem = failure.message();
        return result;
    }
    if (!lists) {
        result.problem = QCoreApplication::translate("core", "The text is not well-formed XML: %1.")
                             .arg(parseProblem);
        return result;
    }
    const qsizetype words = lists->words.size(), meanings = lists->meanings.size(),
                    usages = lists->usages.size();
    if (words == 0)
        result.problem = QCoreApplication::translate("core", "The text holds no word element.");
    else if (meanings != words || usages != words)
        result.problem = QCoreApplication::translate(
                             "core", "The text holds %1 word, %2 meaning and %3 usage "
                                     "elements; every word needs one meaning and one usage.")
                             .arg(words)
                             .arg(meanings)
                             .arg(usages);
    else
        result.lists = std::move(*lists);
    return result;
}

} // namespace core
