// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitreminder.h"
#include "fsrs.h"
#include "studyformats.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

namespace platform {
class Files;
}

namespace learning {

// What the learner set for Study Today: the exam to be ready for, how sure of each word they
// want to be, how many new words a day when no exam is set, the minutes a day they mean to
// give (0: no limit), and the formats besides meaning Study Today may ask in.
struct StudyPlan
{
    std::optional<QDate> examDate;
    double desiredRetention = 0.9;
    int newWordsPerDay = 20;
    int dailyMinutes = 0;
    FormatSet formats = FormatSet();

    bool operator==(const StudyPlan &) const = default;
};

// Lines "key=value" (exam_date, desired_retention, new_words_per_day, daily_minutes, and 1 or 0
// for text_completion, typed_recall and sentence_equivalence). A missing or damaged file, or a
// damaged value, gives the defaults for what cannot be read: a file written before the formats
// has them all on.
StudyPlan readStudyPlan(const QString &path);
StudyPlan studyPlanFromText(const QString &text);
QString studyPlanText(const StudyPlan &plan);
// Throws platform::Error (io) and leaves the old file whole when it cannot be written.
void writeStudyPlan(platform::Files &files, const QString &path, const StudyPlan &plan);

// The study plan in force and the one writer of its file (settings/study.txt), which also keeps
// when the reminder to fit the memory model was last shown (fit_reminder_shown_at,
// fit_reminder_shown_answers; a file without them has shown none).
class StudyPlanSettings : public QObject
{
    Q_OBJECT
public:
    StudyPlanSettings(platform::Files &files, QString path, QObject *parent = nullptr);

    // Reads the file; what cannot be read keeps its default.
    void load();
    const StudyPlan &plan() const { return current; }
    // Writes a changed plan to the file, making its folder when missing, and puts it in force
    // (its desired retention brought within lowestRetention and highestRetention):
    // changed, and desiredRetentionChanged when that differs. A plan that cannot be written is
    // not put in force, so the program never runs on one the next start would not read: throws
    // platform::Error (io) and keeps the file and the plan as they were. With always, the plan is
    // written even when unchanged: the file then says the learner chose it (the first start).
    void save(const StudyPlan &chosen, bool always = false);

    const std::optional<AnswerMark> &fitReminderShown() const { return reminderShown; }
    // Remembers when the reminder was shown, with the plan in force. Throws platform::Error
    // (io) and keeps the file and the mark as they were when it cannot be written.
    void setFitReminderShown(AnswerMark shown);

signals:
    void changed();
    void desiredRetentionChanged(double retention);

private:
    platform::Files &files;
    QString path;
    void write(const StudyPlan &plan, const std::optional<AnswerMark> &shown);

    StudyPlan current;
    std::optional<AnswerMark> reminderShown;
};

// FSRS is not meant for a desired retention outside this range: below it words are left to be
// forgotten, above it the reviews pile up. A plan is kept within it.
constexpr double lowestRetention = 0.70, highestRetention = 0.97;
// Outside this range the learner is warned: the forgetting or the workload grows quickly.
constexpr double lowestAdvisedRetention = 0.80, highestAdvisedRetention = 0.95;
// What the learner is told about a desired retention; empty within the advised range.
QString retentionWarning(double retention);

// The last week before an exam is for review only.
constexpr int reviewOnlyDays = 7;
constexpr int mostNewWordsPerDay = 100;
constexpr int mostDailyMinutes = 600;

// Today's new words: with an exam date, the words not yet studied at the start of the day spread
// over the days left before the review-only week (at least 1, at most 100; none in that week or
// after the exam); without one, the learner's number. Words already started today count against
// it.
int newWordBudget(std::optional<QDate> examDate, int newWordsPerDay, int neverStudied,
                  int startedToday, QDate today);

// When the word is due for study. While the exam lies ahead, a word that would come back on the
// exam day or later comes back the day before instead, unless it was reviewed that day already.
Time studyDue(const Card &card, std::optional<QDate> examDate, QDate today);

// The start of a local calendar day, as a time.
Time startOfDay(QDate day);

} // namespace learning
