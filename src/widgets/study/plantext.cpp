// SPDX-License-Identifier: GPL-3.0-or-later
#include "plantext.h"

#include "formstudy.h"

namespace widgets {

using learning::StudySession;

QString counted(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

QString planText(const StudySession::Plan &plan)
{
    using Extra = StudySession::Extra;
    const QString minutes =
        counted(plan.minutes, FormStudy::tr("about 1 minute"), FormStudy::tr("about %1 minutes"));
    switch (plan.extra) {
    case Extra::NewWords:
        return FormStudy::tr("%1, %2").arg(counted(plan.newWords, FormStudy::tr("1 more new word"),
                                                   FormStudy::tr("%1 more new words")),
                                           minutes);
    case Extra::ReviewAhead:
        return FormStudy::tr("Review ahead: %1, %2")
            .arg(counted(plan.reviews, FormStudy::tr("1 word due soon"),
                         FormStudy::tr("%1 words due soon")),
                 minutes);
    case Extra::Hardest:
        return FormStudy::tr("Hardest words: %1, %2")
            .arg(counted(plan.reviews, FormStudy::tr("1 word"), FormStudy::tr("%1 words")),
                 minutes);
    case Extra::None:
        break;
    }
    const QString reviews =
        counted(plan.reviews, FormStudy::tr("1 review"), FormStudy::tr("%1 reviews"));
    const QString fresh =
        counted(plan.newWords, FormStudy::tr("1 new word"), FormStudy::tr("%1 new words"));
    if (plan.total() == 0)
        return plan.limit > 0
                   ? counted(
                         plan.limit,
                         FormStudy::tr("Nothing is due today, and no new word fits in 1 minute"),
                         FormStudy::tr("Nothing is due today, and no new word fits in %1 minutes"))
                   : FormStudy::tr("Nothing is due today");
    const QString work = plan.newWords == 0  ? reviews
                         : plan.reviews == 0 ? fresh
                                             : FormStudy::tr("%1 and %2").arg(reviews, fresh);
    if (plan.overLimit)
        return FormStudy::tr("%1, %2 (over your daily limit of %3)")
            .arg(work, minutes)
            .arg(plan.limit);
    if (plan.limit > 0)
        return FormStudy::tr("%1, %2 (held to your daily limit of %3)")
            .arg(work, minutes)
            .arg(plan.limit);
    return FormStudy::tr("%1, %2").arg(work, minutes);
}

} // namespace widgets
