// SPDX-License-Identifier: GPL-3.0-or-later
#include "barchart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace widgets {

namespace {

constexpr int ticks = 4;

int stackTotal(const QList<int> &stack)
{
    return std::accumulate(stack.begin(), stack.end(), 0);
}

} // namespace

BarChart::BarChart(const QString &categoryName, QWidget *parent)
    : Chart(parent), category(categoryName)
{
}

void BarChart::setSeries(const QList<Series> &series)
{
    kinds = series;
    valuesChanged();
}

void BarChart::setValues(const QStringList &names, const QList<QList<int>> &stacks)
{
    labels = names;
    values = stacks;
    valuesChanged();
}

int BarChart::axisMaximum() const
{
    int highest = 0;
    for (const auto &stack : values)
        highest = std::max(highest, stackTotal(stack));
    const int step = tickStep(std::max(highest, 1), ticks);
    return (std::max(highest, 1) + step - 1) / step * step;
}

int BarChart::legendHeight() const
{
    return kinds.size() > 1 ? fontMetrics().height() + 4 : 0;
}

QRect BarChart::plotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QString::number(axisMaximum())) + 8;
    const int top = legendHeight() + metrics.height() / 2;
    return QRect(left, top, std::max(1, width() - left - 4),
                 std::max(1, height() - top - metrics.height() - 6));
}

void BarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (kinds.size() > 1)
        drawLegend(painter, QPoint(plotArea().left(), 0), kinds);
    const QRect plot = plotArea();
    drawAxis(painter, plot);
    const double slot = double(plot.width()) / std::max<qsizetype>(values.size(), 1);
    const double scale = double(plot.height()) / axisMaximum();
    for (qsizetype i = 0; i < values.size(); ++i) {
        double base = plot.bottom() + 1;
        for (qsizetype s = 0; s < values[i].size() && s < kinds.size(); ++s) {
            const double height = values[i][s] * scale;
            const QRectF bar(plot.left() + i * slot + slot * 0.1, base - height, slot * 0.8,
                             height);
            fillBar(painter, bar, kinds[s]);
            base -= height;
        }
    }
    drawLabels(painter, plot);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BarChart::drawAxis(QPainter &painter, const QRect &plot) const
{
    const QFontMetrics metrics = fontMetrics();
    const QColor text = palette().color(QPalette::WindowText);
    QColor grid = text;
    grid.setAlpha(50);
    const int maximum = axisMaximum();
    const int step = tickStep(maximum, ticks);
    for (int value = 0; value <= maximum; value += step) {
        const int y = plot.bottom() - int(double(value) / maximum * plot.height());
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(text);
        const QString number = QString::number(value);
        painter.drawText(plot.left() - 4 - metrics.horizontalAdvance(number),
                         y + metrics.ascent() / 2, number);
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

// As many category labels as fit without touching, evenly spaced, the first one always.
void BarChart::drawLabels(QPainter &painter, const QRect &plot) const
{
    if (labels.isEmpty())
        return;
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const QString &label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const double slot = double(plot.width()) / labels.size();
    const int every = std::max(1, int(std::ceil((widest + 8) / slot)));
    painter.setPen(palette().color(QPalette::WindowText));
    for (qsizetype i = 0; i < labels.size(); i += every) {
        const int width = metrics.horizontalAdvance(labels[i]);
        const int centre = plot.left() + int((i + 0.5) * slot);
        const int x = std::clamp(centre - width / 2, 0, std::max(0, this->width() - width));
        painter.drawText(x, plot.bottom() + 4 + metrics.ascent(), labels[i]);
    }
}

int BarChart::rowAt(QPoint point) const
{
    const QRect plot = plotArea();
    if (values.isEmpty() || point.x() < plot.left() || point.x() > plot.right())
        return -1;
    return int((point.x() - plot.left()) * values.size() / std::max(1, plot.width()));
}

QStringList BarChart::headers() const
{
    QStringList names{category};
    for (const Series &series : kinds)
        names << series.name;
    return names;
}

QList<QStringList> BarChart::rows() const
{
    QList<QStringList> table;
    for (qsizetype i = 0; i < values.size(); ++i) {
        QStringList row{i < labels.size() ? labels[i] : QString()};
        for (int value : values[i])
            row << QString::number(value);
        table << row;
    }
    return table;
}

} // namespace widgets
