// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace learning {

// `vocabrix --memory-report [--fit]`, for learners who script and for checking: what the
// learner's memory holds, as JSON, without a window. The answers, words and items, the
// parameters in force and their figures; with an exam date in the study plan, the desired
// retention that gets the most of the list's words into the exam; with --fit, also the
// parameters fitted to the answers, their figures and the two weighed on the latest answers,
// nothing adopted. The progress file is only read.
//
// arguments are those after the program's name; the program folder holds progress/, settings/
// and XML/. Writes the report to out and returns 0, or a
// message to errors and returns 1 when the arguments are wrong or the file cannot be read.
int writeMemoryReport(const QStringList &arguments, const QString &programFolder, QTextStream &out,
                      QTextStream &errors);

} // namespace learning
