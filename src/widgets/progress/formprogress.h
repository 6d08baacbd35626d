// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/progressfigures.h"

#include <QHash>
#include <QMainWindow>
#include <optional>

namespace core {
class Dictionary;
}
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
namespace learning {
class LearnerMemory;
class StudyPlanSettings;
} // namespace learning
namespace platform {
struct Services;
}

namespace widgets {

class BarChart;
class CalendarChart;
class ChartPanel;
class ForecastPanel;
class StackedBar;

// Where the learner stands with the current dictionary: its words by state, the recall to
// expect on the exam date, what falls due, the answers of the past days and weeks, and the
// hardest words, each a way into studying it, and the pairs of words confused most, with their
// meanings. While shown, it follows the answers as they come.
class FormProgress : public QMainWindow
{
    Q_OBJECT
public:
    FormProgress(learning::LearnerMemory &memory, const core::Dictionary &words,
                 platform::Services &services, QWidget *parent = nullptr);

    // Reads the figures afresh and shows the window; again whenever another dictionary is
    // loaded while it is shown.
    void open(std::optional<QDate> examDate, double desiredRetention);
    const learning::ProgressFigures &figures() const { return shown; }
    // The forecast plays the plan in force in these settings.
    void followPlan(const learning::StudyPlanSettings &plan);

signals:
    // The learner asked to study a word (the dictionary's own spelling).
    void studyWordRequested(const QString &word);

private:
    QWidget *createSummary();
    QWidget *createHardest();
    QWidget *createConfused();
    QStringList listKeys();
    void refresh();
    void showFigures(double desiredRetention);
    QString recallText() const;
    QString missesText(const learning::ProgressFigures::MissedWord &word) const;
    QString dayText(const QDateTime &time) const;
    void showHardest();
    QString confusedText(const learning::ProgressFigures::ConfusedPair &pair) const;
    QString meaningsText(const learning::ProgressFigures::ConfusedPair &pair) const;
    void showConfused();
    void studySelected();

    learning::LearnerMemory &memory;
    const core::Dictionary &words;
    platform::Services &services;
    learning::ProgressFigures shown;
    std::optional<QDate> exam;
    double retention = 0.9;
    QHash<QString, QString> spellings; // key -> the dictionary's spelling
    QHash<QString, QString> meanings;  // key -> its meaning in the list
    bool refreshDue = false;

    StackedBar *stateChart;
    BarChart *forecastChart, *activityChart;
    CalendarChart *calendarChart;
    QList<ChartPanel *> panels;
    QLabel *recallLabel, *retentionLabel, *streakLabel;
    ForecastPanel *forecastPanel;
    QTableWidget *hardestWords;
    QPushButton *studyButton, *closeButton;
    QListWidget *confusedPairs;
    QLabel *noConfusion;
};

} // namespace widgets
