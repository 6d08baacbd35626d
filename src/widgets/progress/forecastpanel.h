// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/forecast.h"

#include <QGroupBox>

class QLabel;
namespace core {
class Dictionary;
}
namespace learning {
class LearnerMemory;
class StudyPlanSettings;
} // namespace learning
namespace platform {
class Clock;
}

namespace widgets {

// "Will I be ready?": what the learner can expect of the list being studied, at the planned
// pace and at their own of the last days, in sentences (a screen reader reads them as shown).
// The Progress window and Study Today's summary each hold one.
class ForecastPanel : public QGroupBox
{
    Q_OBJECT
public:
    ForecastPanel(const core::Dictionary &words, learning::LearnerMemory &memory,
                  platform::Clock &clock, QWidget *parent = nullptr);

    // The plan forecast from now on: the one in force in these settings.
    void followPlan(const learning::StudyPlanSettings &settings);
    // Reads the memory and plays the plan forward, once the events waiting are handled; the
    // panel hides when the memory cannot be read.
    void refresh();
    const learning::Forecast &forecast() const { return shown; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showForecast();
    // Keeps room for every wrapped line: a page of a stacked widget lays the panel out by its
    // one-line size hint, which cuts the sentences off after their first line.
    void fitHeight();
    QString outcomeText(const learning::ForecastOutcome &outcome) const;

    const core::Dictionary &words;
    learning::LearnerMemory &memory;
    platform::Clock &clock;
    const learning::StudyPlanSettings *planSettings = nullptr;
    learning::Forecast shown;
    bool refreshDue = false;
    QLabel *todayLabel, *plannedLabel, *recentLabel;
};

} // namespace widgets
