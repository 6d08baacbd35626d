// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart.h"

namespace widgets {

// Vertical bars, one a category, each a stack of series, over a value axis with round ticks.
class BarChart : public Chart
{
    Q_OBJECT
public:
    explicit BarChart(const QString &categoryName, QWidget *parent = nullptr);

    void setSeries(const QList<Series> &series);
    // labels[i] names the category whose stacked values are values[i], one per series.
    void setValues(const QStringList &labels, const QList<QList<int>> &values);

    // Where the bars stand and the value at the top of the axis: what the chart shows.
    QRect plotArea() const;
    int axisMaximum() const;

    QStringList headers() const override;
    QList<QStringList> rows() const override;
    QSize minimumSizeHint() const override { return {240, 150}; }
    QSize sizeHint() const override { return {420, 200}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    int rowAt(QPoint point) const override;

private:
    int legendHeight() const;
    void drawAxis(QPainter &painter, const QRect &plot) const;
    void drawLabels(QPainter &painter, const QRect &plot) const;

    QString category;
    QList<Series> kinds;
    QStringList labels;
    QList<QList<int>> values;
};

} // namespace widgets
