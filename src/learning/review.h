// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"

#include <QString>

namespace learning {

// One answer as the review log keeps it.
struct Review
{
    QString word; // the word's key (see wordKey)
    Time time{};
    Rating rating = Rating::Good;
    QString source;     // "quiz", "study", ...
    QString dictionary; // the dictionary's file name
    qint64 durationMs = 0;
    QString format = QStringLiteral("meaning"); // how it was asked (formatKey)
    QString wrongPick =
        QString(); // when wrong: whose meaning or which word was picked, or what was typed
};

// The dictionary's file name as the log keeps it, from its stored path ("\XML\gre.xml").
inline QString dictionaryFileName(const QString &storedPath)
{
    return QString(storedPath).replace(QLatin1Char('\\'), QLatin1Char('/')).section('/', -1);
}

} // namespace learning
