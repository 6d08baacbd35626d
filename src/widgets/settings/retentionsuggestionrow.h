// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/forecast.h"
#include "learning/retentionsuggestion.h"

#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QThread;

namespace widgets {

// The Study frame's row under the desired retention: the retention that gets the most words
// into the exam, in a sentence, and a button that sets it. The plan is played at each retention
// on a thread of its own, so that the window stays responsive while the learner types.
class RetentionSuggestionRow : public QWidget
{
    Q_OBJECT
public:
    explicit RetentionSuggestionRow(QWidget *parent = nullptr);
    ~RetentionSuggestionRow() override;

    // Weighs this plan (input.plan, with the learner's cards, times and memory model); nullopt
    // hides the row, as does a plan with nothing to suggest. The newest plan wins: one still
    // being weighed is stopped.
    void suggestFor(std::optional<learning::ForecastInput> input);
    // The plan was edited: the suggestion on show compares with a retention no longer chosen,
    // so it gives way to a note until the new plan is weighed.
    void outdate();

signals:
    // The learner took the suggestion, a retention in whole percent.
    void retentionChosen(int percent);

private:
    void startWeighing();
    void weighed();

    QLabel *text;
    QPushButton *use;
    std::unique_ptr<QThread> worker;
    std::atomic_bool stop = false;
    std::optional<learning::ForecastInput> waiting;     // a plan to weigh next
    std::optional<learning::RetentionSuggestion> found; // the worker's, read once it is done
    int suggestedPercent = 0;
};

} // namespace widgets
