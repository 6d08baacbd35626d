// SPDX-License-Identifier: GPL-3.0-or-later
#include "stackedbar.h"

#include <QPainter>
#include <numeric>

namespace widgets {

StackedBar::StackedBar(const QString &partName, QWidget *parent) : Chart(parent), part(partName)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void StackedBar::setParts(const QList<Series> &parts, const QList<int> &values)
{
    kinds = parts;
    counts = values;
    updateGeometry();
    valuesChanged();
}

QSize StackedBar::minimumSizeHint() const
{
    return {200, heightForWidth(std::max(200, width()))};
}

QSize StackedBar::sizeHint() const
{
    return {420, heightForWidth(width() > 0 ? width() : 420)};
}

int StackedBar::heightForWidth(int width) const
{
    return barArea().height() + 8 + legendHeight(legend(), width) + 6;
}

void StackedBar::resizeEvent(QResizeEvent *event)
{
    Chart::resizeEvent(event);
    // The legend takes more or fewer lines at this width.
    if (heightForWidth(width()) != height())
        updateGeometry();
}

QRect StackedBar::barArea() const
{
    const int height = fontMetrics().height() * 2;
    return QRect(1, 1, std::max(1, width() - 2), height);
}

QList<Chart::Series> StackedBar::legend() const
{
    QList<Series> named = kinds;
    for (qsizetype i = 0; i < named.size() && i < counts.size(); ++i)
        named[i].name = QStringLiteral("%1 %2").arg(named[i].name).arg(counts[i]);
    return named;
}

void StackedBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect bar = barArea();
    const int total = std::accumulate(counts.begin(), counts.end(), 0);
    painter.setPen(palette().color(QPalette::WindowText));
    if (total > 0) {
        double x = bar.left();
        for (qsizetype i = 0; i < counts.size() && i < kinds.size(); ++i) {
            const double width = double(counts[i]) / total * bar.width();
            fillBar(painter, QRectF(x, bar.top(), width, bar.height()), kinds[i]);
            x += width;
        }
    }
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    drawLegend(painter, QPoint(bar.left(), bar.bottom() + 6), legend());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

QStringList StackedBar::headers() const
{
    return {part, tr("Words")};
}

QList<QStringList> StackedBar::rows() const
{
    QList<QStringList> table;
    for (qsizetype i = 0; i < counts.size() && i < kinds.size(); ++i)
        table << QStringList{kinds[i].name, QString::number(counts[i])};
    return table;
}

} // namespace widgets
