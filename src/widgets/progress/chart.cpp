// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace widgets {

Chart::Chart(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

bool Chart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const int row = rowAt(help->pos());
    const QList<QStringList> table = rows();
    if (row < 0 || row >= table.size()) {
        QToolTip::hideText();
        return true;
    }
    QStringList lines;
    for (qsizetype i = 0; i < table[row].size() && i < headers().size(); ++i)
        lines << headers()[i] + QStringLiteral(": ") + table[row][i];
    QToolTip::showText(help->globalPos(), lines.join(QLatin1Char('\n')), this);
    return true;
}

void Chart::valuesChanged()
{
    QStringList lines;
    for (const QStringList &row : rows()) {
        QStringList cells;
        for (qsizetype i = 0; i < row.size() && i < headers().size(); ++i)
            cells << headers()[i] + QStringLiteral(": ") + row[i];
        lines << cells.join(QStringLiteral(", "));
    }
    setAccessibleDescription(lines.join(QStringLiteral("; ")));
    update();
    emit changed();
}

void Chart::fillBar(QPainter &painter, const QRectF &bar, const Series &series)
{
    painter.fillRect(bar, series.color);
    if (series.pattern != Qt::SolidPattern)
        painter.fillRect(
            bar, QBrush(series.color.lightness() > 128 ? Qt::black : Qt::white, series.pattern));
}

QList<QPoint> Chart::legendPlaces(QPoint at, const QList<Series> &series, int right) const
{
    const QFontMetrics metrics = fontMetrics();
    const int box = metrics.height() - 4;
    QList<QPoint> places;
    QPoint place = at;
    for (const Series &each : series) {
        const int width = box + 4 + metrics.horizontalAdvance(each.name);
        if (place.x() > at.x() && place.x() + width > right)
            place = QPoint(at.x(), place.y() + metrics.height());
        places << place;
        place.rx() += width + 12;
    }
    return places;
}

int Chart::legendHeight(const QList<Series> &series, int width) const
{
    const QList<QPoint> places = legendPlaces(QPoint(0, 0), series, width);
    return places.isEmpty() ? 0 : places.last().y() + fontMetrics().height();
}

int Chart::drawLegend(QPainter &painter, QPoint at, const QList<Series> &series) const
{
    const QFontMetrics metrics = fontMetrics();
    const int box = metrics.height() - 4;
    const QList<QPoint> places = legendPlaces(at, series, width());
    for (qsizetype i = 0; i < series.size(); ++i) {
        const QPoint place = places[i];
        fillBar(painter, QRectF(place.x(), place.y() + 2, box, box), series[i]);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(QRectF(place.x(), place.y() + 2, box, box));
        painter.drawText(QPoint(place.x() + box + 4, place.y() + metrics.ascent()), series[i].name);
    }
    return places.isEmpty() ? 0 : places.last().y() - at.y() + metrics.height();
}

int Chart::tickStep(int maximum, int ticks)
{
    int scale = 1;
    while (true) {
        for (int step : {1, 2, 5})
            if (step * scale * ticks >= maximum)
                return step * scale;
        scale *= 10;
    }
}

} // namespace widgets
