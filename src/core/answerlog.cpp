// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerlog.h"

#include "reviewrules.h"

#include <QRegularExpression>

namespace core {

QString AnswerLog::Entry::line() const
{
    return logLine(right, chosenMeaning, word);
}

void AnswerLog::append(const Entry &entry)
{
    all.append(entry);
    emit appended(entry);
}

void AnswerLog::clear()
{
    all.clear();
    emit cleared();
}

QString AnswerLog::text() const
{
    static const QRegularExpression lineEnds(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
    QString text;
    for (const Entry &entry : all) {
        text += entry.line().replace(lineEnds, QStringLiteral("\r\n"));
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace core
