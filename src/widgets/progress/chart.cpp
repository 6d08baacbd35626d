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

int Chart::drawLegend(QPainter &painter, QPoint at, const QList<Series> &series) const
{
    const QFontMetrics metrics = fontMetrics();
    const int box = metrics.height() - 4;
    int x = at.x();
    for (const Series &each : series) {
        fillBar(painter, QRectF(x, at.y() + 2, box, box), each);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(QRectF(x, at.y() + 2, box, box));
        x += box + 4;
        painter.drawText(QPoint(x, at.y() + metrics.ascent()), each.name);
        x += metrics.horizontalAdvance(each.name) + 12;
    }
    return metrics.height();
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
