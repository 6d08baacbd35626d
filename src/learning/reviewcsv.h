// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "review.h"

#include <QByteArray>
#include <QList>

namespace learning {

// The review log as CSV: UTF-8, CR LF, a header line naming the columns
// word,reviewed_at,rating,source,dictionary,duration_ms,format,wrong_pick.
QByteArray reviewsToCsv(const QList<Review> &reviews);

// Reads such a file; columns are found by their header names, so they may come in any order
// and others are ignored. Throws platform::Error (parse) naming the first bad line.
QList<Review> reviewsFromCsv(const QByteArray &data);

} // namespace learning
