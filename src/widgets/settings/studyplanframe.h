// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/studyplan.h"

#include <QGroupBox>

class QCheckBox;
class QDateEdit;
class QSpinBox;

namespace widgets {

// The Options dialog's Study frame: the exam date, the desired retention and the new words a
// day when no exam is set.
class StudyPlanFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit StudyPlanFrame(QWidget *parent = nullptr);

    // Without an exam date, the date box offers one three months from today.
    void setPlan(const learning::StudyPlan &plan, QDate today);
    learning::StudyPlan plan() const;

private:
    void showEnabled();

    QCheckBox *examBox;
    QDateEdit *examDate;
    QSpinBox *retention, *perDay;
};

} // namespace widgets
