// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyplanframe.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QSpinBox>
#include <cmath>

namespace widgets {

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
    layout->addRow(examBox, examDate);
    layout->addRow(tr("Desired &retention:"), retention);
    layout->addRow(tr("&New words per day:"), perDay);
    connect(examBox, &QCheckBox::toggled, this, &StudyPlanFrame::showEnabled);
}

void StudyPlanFrame::setPlan(const learning::StudyPlan &plan, QDate today)
{
    examBox->setChecked(plan.examDate.has_value());
    examDate->setDate(plan.examDate.value_or(today.addMonths(3)));
    retention->setValue(int(std::lround(plan.desiredRetention * 100)));
    perDay->setValue(plan.newWordsPerDay);
    showEnabled();
}

learning::StudyPlan StudyPlanFrame::plan() const
{
    learning::StudyPlan result;
    if (examBox->isChecked())
        result.examDate = examDate->date();
    result.desiredRetention = retention->value() / 100.0;
    result.newWordsPerDay = perDay->value();
    return result;
}

void StudyPlanFrame::showEnabled()
{
    examDate->setEnabled(examBox->isChecked());
    perDay->setEnabled(!examBox->isChecked());
}

} // namespace widgets
