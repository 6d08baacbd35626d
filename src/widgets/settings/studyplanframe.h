// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/forecast.h"
#include "learning/studyplan.h"

#include <QGroupBox>
#include <optional>

class QCheckBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace widgets {

class RetentionSuggestionRow;

// The Options dialog's Study frame: the exam date, the desired retention, the new words a day
// (the learner's number without an exam; with one, the number the date implies, read-only), a
// daily time limit, and the pace the plan asks: words and minutes a day, with a warning when
// that is more than the limit. A desired retention outside the advised range is warned of in
// words; with an exam date, the desired retention that gets the most words into it is
// suggested. "Fit to my answers" asks for the memory model to be fitted to the learner; and
// the formats besides meaning Study Today may ask in.
class StudyPlanFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit StudyPlanFrame(QWidget *parent = nullptr);

    // Without an exam date, the date box offers one three months from today. The learner's
    // cards and answer times, when known, give the pace; without them none is shown.
    void setPlan(const learning::StudyPlan &plan, QDate today,
                 std::optional<learning::ForecastInput> learner = std::nullopt);
    learning::StudyPlan plan() const;
    // Whether "Fit to my answers" can be asked: there is a learner's memory to fit to.
    void setFitAvailable(bool available);

signals:
    void fitRequested();

private:
    void addRetentionWarning(QFormLayout *layout);
    void showRetentionWarning();
    void addFitButton(QFormLayout *layout);
    void planEdited();
    void showPacing();
    void addRetentionSuggestion(QFormLayout *layout);
    void suggestRetention();
    void addFormatSwitches(QFormLayout *layout);

    QCheckBox *examBox;
    QDateEdit *examDate;
    QSpinBox *retention, *perDay, *dailyMinutes;
    QLabel *pacingLabel;
    QLabel *retentionWarningLabel;
    QPushButton *fitButton;
    RetentionSuggestionRow *retentionSuggestion;
    QCheckBox *textCompletion, *typedRecall, *sentenceEquivalence;
    QTimer *pacingDelay;
    std::optional<learning::ForecastInput> learner;
    int ownPerDay = 20; // the learner's number, kept while an exam date sets the pace
    bool loading = false;
};

} // namespace widgets
