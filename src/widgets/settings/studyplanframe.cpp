// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyplanframe.h"

#include "retentionsuggestionrow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <cmath>

namespace widgets {

namespace {

QString day(QDate date)
{
    return QLocale().toString(date, QStringLiteral("d MMM yyyy"));
}

} // namespace

StudyPlanFrame::StudyPlanFrame(QWidget *parent) : QGroupBox(tr("Study"), parent)
{
    setObjectName(QStringLiteral("studyFrame"));
    auto *layout = new QFormLayout(this);
    examBox = new QCheckBox(tr("E&xam date:"));
    examBox->setObjectName(QStringLiteral("examBox"));
    examDate = new QDateEdit;
    examDate->setObjectName(QStringLiteral("examDate"));
    examDate->setAccessibleName(tr("Exam date"));
    examDate->setCalendarPopup(true);
    examDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    retention = new QSpinBox;
    retention->setObjectName(QStringLiteral("retention"));
    retention->setAccessibleName(tr("Desired retention"));
    retention->setRange(70, 97);
    retention->setSuffix(QStringLiteral(" %"));
    retention->setToolTip(tr("How likely you want to be to recall a word when it comes back"));
    perDay = new QSpinBox;
    perDay->setObjectName(QStringLiteral("newWordsPerDay"));
    perDay->setAccessibleName(tr("New words per day"));
    perDay->setRange(0, learning::mostNewWordsPerDay);
    perDay->setToolTip(tr("Without an exam date; with one, the date sets the pace"));
    dailyMinutes = new QSpinBox;
    dailyMinutes->setObjectName(QStringLiteral("dailyMinutes"));
    dailyMinutes->setAccessibleName(tr("Daily time limit in minutes"));
    dailyMinutes->setRange(0, learning::mostDailyMinutes);
    dailyMinutes->setSingleStep(5);
    dailyMinutes->setSpecialValueText(tr("No limit"));
    dailyMinutes->setSuffix(tr(" min"));
    dailyMinutes->setToolTip(tr("The minutes a day you mean to study"));
    pacingLabel = new QLabel;
    pacingLabel->setObjectName(QStringLiteral("pacingLabel"));
    pacingLabel->setWordWrap(true);
    pacingLabel->setTextFormat(Qt::PlainText);
    pacingLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    pacingLabel->setFocusPolicy(Qt::TabFocus);
    // Room for the pace and a warning, so that the frame does not jump while a date is typed.
    pacingLabel->setMinimumHeight(pacingLabel->fontMetrics().lineSpacing() * 5);
    pacingLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addRow(examBox, examDate);
    layout->addRow(tr("Desired &retention:"), retention);
    addRetentionSuggestion(layout);
    layout->addRow(tr("&New words per day:"), perDay);
    layout->addRow(tr("Daily time &limit:"), dailyMinutes);
    layout->addRow(pacingLabel);
    addFormatSwitches(layout);
    // The pace is a simulation: played once the learner stops changing the plan for a moment.
    pacingDelay = new QTimer(this);
    pacingDelay->setSingleShot(true);
    pacingDelay->setInterval(250);
    connect(pacingDelay, &QTimer::timeout, this, &StudyPlanFrame::showPacing);
    connect(examBox, &QCheckBox::toggled, this, &StudyPlanFrame::planEdited);
    connect(examDate, &QDateEdit::dateChanged, this, &StudyPlanFrame::planEdited);
    for (QSpinBox *box : {retention, perDay, dailyMinutes})
        connect(box, &QSpinBox::valueChanged, this, &StudyPlanFrame::planEdited);
    addRetentionWarning(layout);
    addFitButton(layout);
}

// On the row under the desired retention, in words, so that it is not told by colour alone.
void StudyPlanFrame::addRetentionWarning(QFormLayout *layout)
{
    retentionWarningLabel = new QLabel;
    retentionWarningLabel->setObjectName(QStringLiteral("retentionWarning"));
    retentionWarningLabel->setWordWrap(true);
    retentionWarningLabel->setTextFormat(Qt::PlainText);
    retentionWarningLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                                   Qt::TextSelectableByMouse);
    retentionWarningLabel->setFocusPolicy(Qt::TabFocus);
    // The window grows by the label's height when it shows; a wrapped label tells the layout
    // one line, so its three are asked for.
    retentionWarningLabel->setMinimumHeight(retentionWarningLabel->fontMetrics().lineSpacing() * 3);
    int row = 0;
    QFormLayout::ItemRole role{};
    layout->getWidgetPosition(retention, &row, &role);
    layout->insertRow(row + 1, QString(), retentionWarningLabel);
    setTabOrder(retention, retentionWarningLabel);
    connect(retention, &QSpinBox::valueChanged, this, &StudyPlanFrame::showRetentionWarning);
    showRetentionWarning();
}

void StudyPlanFrame::showRetentionWarning()
{
    const QString warning = learning::retentionWarning(retention->value() / 100.0);
    const QString shown = warning.isEmpty() ? QString() : tr("Warning: %1").arg(warning);
    if (shown == retentionWarningLabel->text())
        return;
    retentionWarningLabel->setText(shown);
    retentionWarningLabel->setVisible(!shown.isEmpty());
    retentionWarningLabel->setAccessibleName(shown);
    // A screen reader on the spin box hears it with the value.
    retention->setAccessibleDescription(shown);
    QAccessibleEvent event(retention, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void StudyPlanFrame::addFitButton(QFormLayout *layout)
{
    fitButton = new QPushButton(tr("&Fit to my answers..."));
    fitButton->setObjectName(QStringLiteral("fitButton"));
    fitButton->setAccessibleName(tr("Fit to my answers"));
    fitButton->setToolTip(tr("Fits the memory model that schedules your reviews to your own "
                             "answers"));
    fitButton->setEnabled(false);
    layout->addRow(fitButton);
    connect(fitButton, &QPushButton::clicked, this, &StudyPlanFrame::fitRequested);
}

void StudyPlanFrame::setFitAvailable(bool available)
{
    fitButton->setEnabled(available);
}

void StudyPlanFrame::setPlan(const learning::StudyPlan &plan, QDate today,
                             std::optional<learning::ForecastInput> known)
{
    learner = std::move(known);
    loading = true;
    examBox->setChecked(plan.examDate.has_value());
    examDate->setDate(plan.examDate.value_or(today.addMonths(3)));
    retention->setValue(int(std::lround(plan.desiredRetention * 100)));
    ownPerDay = plan.newWordsPerDay;
    perDay->setValue(plan.newWordsPerDay);
    dailyMinutes->setValue(plan.dailyMinutes);
    textCompletion->setChecked(plan.formats.textCompletion);
    typedRecall->setChecked(plan.formats.typedRecall);
    sentenceEquivalence->setChecked(plan.formats.sentenceEquivalence);
    loading = false;
    planEdited();
    pacingDelay->stop();
    showPacing();
}

learning::StudyPlan StudyPlanFrame::plan() const
{
    learning::StudyPlan result;
    if (examBox->isChecked())
        result.examDate = examDate->date();
    result.desiredRetention = retention->value() / 100.0;
    result.newWordsPerDay = examBox->isChecked() ? ownPerDay : perDay->value();
    result.dailyMinutes = dailyMinutes->value();
    result.formats = {textCompletion->isChecked(), typedRecall->isChecked(),
                      sentenceEquivalence->isChecked()};
    return result;
}

// Words the learner knows well are asked as the exam asks them; each format can be left out.
void StudyPlanFrame::addFormatSwitches(QFormLayout *layout)
{
    auto *row = new QHBoxLayout;
    const auto add = [row](const QString &caption, const char *name, const QString &tip) {
        auto *box = new QCheckBox(caption);
        box->setObjectName(QLatin1String(name));
        box->setToolTip(tip);
        row->addWidget(box);
        return box;
    };
    textCompletion = add(tr("&Text completion"), "textCompletionBox",
                         tr("Words in review: their sentence with a blank, five words to fill it"));
    typedRecall = add(tr("Ty&ped recall"), "typedRecallBox",
                      tr("Words you know well: type the word for its meaning and sentence"));
    sentenceEquivalence =
        add(tr("Sentence e&quivalence"), "sentenceEquivalenceBox",
            tr("Words you know well: pick the two of six words that fit the sentence alike"));
    row->addStretch();
    auto *caption = new QLabel(tr("Also ask as:"));
    caption->setBuddy(textCompletion);
    layout->addRow(caption, row);
}

void StudyPlanFrame::planEdited()
{
    if (loading)
        return;
    retentionSuggestion->outdate();
    const bool exam = examBox->isChecked();
    examDate->setEnabled(exam);
    if (!exam && !perDay->isReadOnly())
        ownPerDay = perDay->value();
    perDay->setReadOnly(exam);
    perDay->setButtonSymbols(exam ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
    {
        const QSignalBlocker quiet(perDay);
        if (!exam) {
            perDay->setValue(ownPerDay);
        } else if (learner) {
            // At once, by the arithmetic Study Today uses; the minutes follow the simulation.
            int unseen = 0;
            for (const learning::Card &card : learner->cards)
                unseen += card.state == learning::CardState::New;
            perDay->setValue(learning::newWordBudget(examDate->date(), ownPerDay, unseen,
                                                     learner->startedToday, learner->now.date()) +
                             learner->startedToday);
        }
    }
    if (learner)
        pacingDelay->start();
}

void StudyPlanFrame::showPacing()
{
    suggestRetention();
    if (!learner) {
        pacingLabel->clear();
        pacingLabel->hide();
        return;
    }
    learning::ForecastInput input = *learner;
    input.plan = plan();
    input.scheduler.desiredRetention = input.plan.desiredRetention;
    input.runs = 4;
    const learning::Pacing pace = learning::pacing(input);
    QString text =
        pace.newWordsPerDay > 0
            ? tr("This plan asks about %1 new words and %2 minutes a day, reviews included.")
                  .arg(pace.newWordsPerDay)
                  .arg(pace.minutesPerDay)
            : tr("This plan asks no new words today and about %1 minutes a day of reviews.")
                  .arg(pace.minutesPerDay);
    if (pace.everyWordSeen)
        text += QLatin1Char(' ') + tr("Every word seen by %1.").arg(day(*pace.everyWordSeen));
    if (pace.overLimit) {
        const int limit = input.plan.dailyMinutes;
        text += QLatin1Char('\n') +
                (pace.doneAtLimit
                     ? tr("Warning: that is more than your limit of %1 minutes a day. At %1 "
                          "minutes a day, every word would be seen by %2.")
                           .arg(limit)
                           .arg(day(*pace.doneAtLimit))
                     : tr("Warning: that is more than your limit of %1 minutes a day, at which "
                          "the list would not be done within three years.")
                           .arg(limit));
    }
    pacingLabel->setText(text);
    pacingLabel->show();
}

// Under the retention box, weighed on a thread of its own on the pace's delay.
void StudyPlanFrame::addRetentionSuggestion(QFormLayout *layout)
{
    retentionSuggestion = new RetentionSuggestionRow;
    layout->addRow(retentionSuggestion);
    connect(retentionSuggestion, &RetentionSuggestionRow::retentionChosen, retention,
            &QSpinBox::setValue);
}

void StudyPlanFrame::suggestRetention()
{
    std::optional<learning::ForecastInput> input;
    if (learner && examBox->isChecked()) {
        // The plan in the boxes; the cards as scheduled at the retention in force.
        input = *learner;
        input->plan = plan();
    }
    retentionSuggestion->suggestFor(std::move(input));
}

} // namespace widgets
