// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QDateEdit;
class QPushButton;
namespace learning {
class StudyPlanSettings;
}
namespace platform {
struct Services;
}

namespace widgets {

// Asked once, at the program's first start: the date of the exam (or none), with Study Today on
// offer. A small window of its own beside the main one, shown after that has painted and never
// taking the keyboard from it, so that the main window works as on any other start. Whatever
// the answer, closing it included, the study plan is written, and it is not asked again.
class FirstStart : public QWidget
{
    Q_OBJECT
public:
    FirstStart(learning::StudyPlanSettings &plan, platform::Services &services,
               QWidget *parent = nullptr);

    // A first start: the program folder holds neither the study plan nor the progress file.
    static bool isFirstStart(const platform::Services &services);
    // Shows this window once the given one has painted for the first time.
    void showAfterFirstPaint(QWidget &window);

signals:
    void studyRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showBeside(QWidget *window);
    void answer(bool study);

    learning::StudyPlanSettings &plan;
    platform::Services &services;
    QCheckBox *examBox;
    QDateEdit *examDate;
    QPushButton *saveButton, *studyButton;
    bool answered = false;
};

} // namespace widgets
