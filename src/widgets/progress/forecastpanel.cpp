// SPDX-License-Identifier: GPL-3.0-or-later
#include "forecastpanel.h"

#include "core/dictionary.h"
#include "learning/learnermemory.h"
#include "learning/studyplan.h"
#include "platform/error.h"
#include "platform/services.h"

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>
#include <cmath>

namespace widgets {

namespace {

QLabel *sentence(const char *name)
{
    auto *label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

QString count(double value)
{
    return QLocale().toString(qlonglong(std::llround(value)));
}

QString day(QDate date)
{
    return QLocale().toString(date, QStringLiteral("d MMM yyyy"));
}

} // namespace

ForecastPanel::ForecastPanel(const core::Dictionary &words, learning::LearnerMemory &memory,
                             platform::Clock &clock, QWidget *parent)
    : QGroupBox(tr("Will I be ready?"), parent), words(words), memory(memory), clock(clock)
{
    setObjectName(QStringLiteral("forecastPanel"));
    setAccessibleName(tr("Will I be ready?"));
    todayLabel = sentence("forecastToday");
    plannedLabel = sentence("forecastPlanned");
    recentLabel = sentence("forecastRecent");
    auto *layout = new QVBoxLayout(this);
    for (QLabel *label : {todayLabel, plannedLabel, recentLabel})
        layout->addWidget(label);
}

void ForecastPanel::followPlan(const learning::StudyPlanSettings &settings)
{
    planSettings = &settings;
}

QString ForecastPanel::outcomeText(const learning::ForecastOutcome &outcome) const
{
    const QString seen = outcome.everyWordSeen
                             ? tr("every word seen by %1").arg(day(*outcome.everyWordSeen))
                             : tr("not every word seen by %1").arg(day(outcome.end));
    return tr("%1; about %2 of %3 words recalled on %4 (%5 to %6).")
        .arg(seen, count(outcome.expected), count(outcome.words), day(outcome.end),
             count(outcome.low), count(outcome.high));
}

void ForecastPanel::refresh()
{
    // After the window around it is on the screen: the simulation takes a moment on a long list.
    if (!refreshDue) {
        refreshDue = true;
        QMetaObject::invokeMethod(this, &ForecastPanel::showForecast, Qt::QueuedConnection);
    }
}

void ForecastPanel::showForecast()
{
    refreshDue = false;
    const learning::StudyPlan plan = planSettings ? planSettings->plan() : learning::StudyPlan{};
    try {
        shown = learning::forecast(learning::readForecastInput(memory, words, plan, clock.now()));
    } catch (const platform::Error &) {
        hide();
        return;
    }
    show();
    todayLabel->setText(
        shown.seen == 0
            ? tr("You have not studied a word of this list yet (%1 words).")
                  .arg(count(shown.unseen))
            : tr("Today: about %1 of the %2 words you have seen would be recalled; %3 words not "
                 "seen yet.")
                  .arg(count(shown.recalledToday), count(shown.seen), count(shown.unseen)));
    QString planned = tr("At your planned pace (new words a day: %1; minutes a day: about %2): %3")
                          .arg(count(shown.planned.newWordsPerDay),
                               count(shown.planned.minutesPerDay), outcomeText(shown.planned));
    if (plan.dailyMinutes > 0)
        planned +=
            QLatin1Char(' ') + tr("Held to your limit of %1 minutes a day.").arg(plan.dailyMinutes);
    plannedLabel->setText(planned);
    const int days = learning::RecentPace::days;
    recentLabel->setText(
        shown.recent ? tr("At your pace of the last %1 days (new words a day: %2; minutes a day: "
                          "about %3): %4")
                           .arg(QString::number(days), count(shown.recent->newWordsPerDay),
                                count(shown.recent->minutesPerDay), outcomeText(*shown.recent))
                     : tr("No study in the last %1 days to go by.").arg(days));
    setAccessibleDescription(
        QStringList{todayLabel->text(), plannedLabel->text(), recentLabel->text()}.join(
            QLatin1Char(' ')));
    fitHeight();
}

void ForecastPanel::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    fitHeight();
}

void ForecastPanel::fitHeight()
{
    // The layout's own height for this width, and the frame and title around it.
    const int frame = layout()->geometry().isValid() ? height() - layout()->geometry().height() : 0;
    const int needed = layout()->totalHeightForWidth(width()) + frame;
    if (needed <= frame || needed == minimumHeight())
        return;
    setMinimumHeight(needed);
    if (parentWidget() && parentWidget()->layout())
        parentWidget()->layout()->activate();
}

} // namespace widgets
