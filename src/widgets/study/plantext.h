// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/studysession.h"

#include <QString>

namespace widgets {

// One of two texts by the count: English needs the singular for one, and the texts stay whole
// for translators.
QString counted(int count, const QString &one, const QString &many);

// The day's plan as Study Today shows it: "29 reviews and 12 new words, about 35 minutes (held
// to your daily limit of 30)", or what an extra session holds.
QString planText(const learning::StudySession::Plan &plan);

} // namespace widgets
