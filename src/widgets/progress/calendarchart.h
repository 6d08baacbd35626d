// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart.h"

#include <QDate>
#include <QLocale>

namespace widgets {

// A year of days as squares, a column a week (Monday on top), shaded by the answers given that
// day: the darkest shade is the busiest day, an empty day is the faintest.
class CalendarChart : public Chart
{
    Q_OBJECT
public:
    explicit CalendarChart(QWidget *parent = nullptr);

    // counts[i] belongs to first + i days; first is a Monday.
    void setDays(const QDate &first, const QList<int> &counts);
    // The square of a day, or an empty rectangle when it is not shown.
    QRect cell(const QDate &day) const;
    // The shade of a count, 0 (none) to 4 (the busiest days).
    int level(int count) const;

    // A month's name above its weeks: every month shown is named, in three letters or, where
    // they do not fit, in one.
    struct MonthLabel
    {
        QDate month; // its first day
        QString text;
        QRect rect;
    };
    QList<MonthLabel> monthLabels() const;

    QStringList headers() const override;
    QList<QStringList> rows() const override;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    int rowAt(QPoint point) const override;

private:
    QColor shade(int level) const;
    QList<MonthLabel> monthLabels(QLocale::FormatType format) const;
    int cellSize() const;
    QPoint origin() const;
    int weeks() const;

    QDate first;
    QList<int> counts;
    int busiest = 0;
};

} // namespace widgets
