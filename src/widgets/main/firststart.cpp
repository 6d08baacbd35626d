// SPDX-License-Identifier: GPL-3.0-or-later
#include "firststart.h"

#include "learning/studyplan.h"
#include "platform/error.h"
#include "platform/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace widgets {

FirstStart::FirstStart(learning::StudyPlanSettings &plan, platform::Services &services,
                       QWidget *parent)
    : QWidget(parent, Qt::Window), plan(plan), services(services)
{
    setObjectName(QStringLiteral("FirstStart"));
    setWindowTitle(tr("Welcome"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *question = new QLabel(tr("Are you studying for an exam? Its date sets how many new "
                                   "words Study Today brings each day. You can change it at any "
                                   "time in Options."));
    question->setObjectName(QStringLiteral("questionLabel"));
    question->setWordWrap(true);
    examBox = new QCheckBox(tr("My &exam is on:"));
    examBox->setObjectName(QStringLiteral("examBox"));
    examDate = new QDateEdit(services.clock->now().date().addMonths(3));
    examDate->setObjectName(QStringLiteral("examDate"));
    examDate->setAccessibleName(tr("Exam date"));
    examDate->setCalendarPopup(true);
    examDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    examDate->setMinimumDate(services.clock->now().date().addDays(1));
    examDate->setEnabled(false);
    connect(examBox, &QCheckBox::toggled, examDate, &QWidget::setEnabled);
    saveButton = new QPushButton(tr("&Save"));
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setToolTip(tr("Keep the date, or no exam date when it is not ticked"));
    studyButton = new QPushButton(tr("Save and Study &Today"));
    studyButton->setObjectName(QStringLiteral("studyButton"));
    connect(saveButton, &QPushButton::clicked, this, [this] { answer(false); });
    connect(studyButton, &QPushButton::clicked, this, [this] { answer(true); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(question);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(examBox);
    dateRow->addWidget(examDate, 1);
    layout->addLayout(dateRow);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(studyButton);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());
}

bool FirstStart::isFirstStart(const platform::Services &services)
{
    return !QFileInfo::exists(services.programPath(QStringLiteral("\\settings\\study.txt"))) &&
           !QFileInfo::exists(services.programPath(QStringLiteral("\\progress\\progress.sqlite")));
}

void FirstStart::showAfterFirstPaint(QWidget &window)
{
    window.installEventFilter(this);
}

bool FirstStart::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // After the paint is done, and without taking the keyboard from the painted window.
        QTimer::singleShot(0, this,
                           [this, watched] { showBeside(static_cast<QWidget *>(watched)); });
    }
    return QWidget::eventFilter(watched, event);
}

void FirstStart::showBeside(QWidget *window)
{
    if (answered || !window->isVisible())
        return;
    // A learner already in another window is not interrupted; the question waits for the next
    // start (which, once they have answered a word, is no first start).
    for (QWidget *each : QApplication::topLevelWidgets()) {
        if (each != window && each != this && each->isVisible() &&
            (each->windowType() == Qt::Window || each->windowType() == Qt::Dialog))
            return;
    }
    show();
    // Where the platform activates every window shown, the keyboard goes back to the main one.
    window->activateWindow();
}

void FirstStart::answer(bool study)
{
    learning::StudyPlan chosen = plan.plan();
    chosen.examDate.reset();
    if (examBox->isChecked())
        chosen.examDate = examDate->date();
    try {
        plan.save(chosen, true);
    } catch (const platform::Error &failure) {
        services.dialogs->message(tr("The study settings could not be saved. ") + failure.message(),
                                  platform::Icon::critical, platform::Buttons::ok);
        return;
    }
    answered = true;
    close();
    if (study)
        emit studyRequested();
}

// Closed without an answer: no exam date, and the question is not asked again.
void FirstStart::closeEvent(QCloseEvent *event)
{
    if (!answered) {
        answered = true;
        try {
            plan.save(plan.plan(), true);
        } catch (const platform::Error &) {
            // Nothing to tell: the learner chose nothing, and Options can set the plan.
        }
    }
    event->accept();
}

} // namespace widgets
