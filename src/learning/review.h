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
};

} // namespace learning
