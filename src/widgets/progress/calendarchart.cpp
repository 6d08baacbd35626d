// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendarchart.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace widgets {

namespace {

constexpr int levels = 4;
const QColor busy(38, 166, 65); // reads on light and on dark backgrounds

} // namespace

CalendarChart::CalendarChart(QWidget *parent) : Chart(parent) {}

void CalendarChart::setDays(const QDate &start, const QList<int> &values)
{
    first = start;
    counts = values;
    busiest = values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
    valuesChanged();
}

int CalendarChart::weeks() const
{
    return std::max<int>(1, int((counts.size() + 6) / 7));
}

QSize CalendarChart::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(QStringLiteral("Wed")) + 8 + weeks() * 6,
            metrics.height() * 2 + 7 * 6 + 8};
}

QSize CalendarChart::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral("Wed")) + 8 + weeks() * 14,
            fontMetrics().height() * 2 + 7 * 14 + 8};
}

QPoint CalendarChart::origin() const
{
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (int day = 1; day <= 7; ++day)
        widest = std::max(widest,
                          metrics.horizontalAdvance(QLocale().dayName(day, QLocale::ShortFormat)));
    return {widest + 6, metrics.height() + 2};
}

int CalendarChart::cellSize() const
{
    const QPoint at = origin();
    const int legend = fontMetrics().height() + 6;
    return std::max(3,
                    std::min((width() - at.x() - 2) / weeks(), (height() - at.y() - legend) / 7));
}

QRect CalendarChart::cell(const QDate &day) const
{
    const qint64 index = first.daysTo(day);
    if (!first.isValid() || index < 0 || index >= counts.size())
        return {};
    const int size = cellSize();
    const QPoint at = origin();
    return QRect(at.x() + int(index / 7) * size, at.y() + int(index % 7) * size, size - 2,
                 size - 2);
}

int CalendarChart::level(int count) const
{
    if (count <= 0 || busiest <= 0)
        return 0;
    return std::clamp((count * levels + busiest - 1) / busiest, 1, levels);
}

QColor CalendarChart::shade(int level) const
{
    const QColor base = palette().color(QPalette::Base);
    const QColor faint = palette().color(QPalette::Mid);
    const QColor target = level == 0 ? faint : busy;
    const double share = level == 0 ? 0.35 : 0.25 + 0.75 * level / levels;
    return QColor::fromRgbF(base.redF() + (target.redF() - base.redF()) * share,
                            base.greenF() + (target.greenF() - base.greenF()) * share,
                            base.blueF() + (target.blueF() - base.blueF()) * share);
}

// Each month stands above the first week whose Thursday falls in it, as ISO 8601 counts weeks:
// then every month has four or five weeks of its own, and no name crowds out another. The first
// name may reach left over the column of the days' names, the last stops at the right edge.
QList<CalendarChart::MonthLabel> CalendarChart::monthLabels(QLocale::FormatType format) const
{
    QList<MonthLabel> labels;
    if (!first.isValid() || counts.isEmpty())
        return labels;
    const QFontMetrics metrics = fontMetrics();
    const QLocale locale;
    const int size = cellSize();
    const int left = origin().x();
    for (int week = 0; week < weeks(); ++week) {
        const QDate thursday = first.addDays(7 * week + 3);
        if (!labels.isEmpty() && labels.last().month.month() == thursday.month())
            continue;
        // The C locale's narrow names are numbers.
        const QString text =
            format == QLocale::NarrowFormat && locale.language() == QLocale::C
                ? locale.standaloneMonthName(thursday.month(), QLocale::ShortFormat).left(1)
                : locale.standaloneMonthName(thursday.month(), format);
        labels.append(
            {QDate(thursday.year(), thursday.month(), 1), text,
             QRect(left + week * size, 0, metrics.horizontalAdvance(text), metrics.height())});
    }
    constexpr int gap = 3;
    QRect &last = labels.last().rect;
    last.moveRight(std::min(last.right(), width() - 1));
    if (labels.size() > 1) {
        QRect &firstLabel = labels.first().rect;
        firstLabel.moveLeft(std::max(
            0, std::min(firstLabel.left(), labels[1].rect.left() - gap - firstLabel.width())));
    }
    return labels;
}

QList<CalendarChart::MonthLabel> CalendarChart::monthLabels() const
{
    const auto fits = [](const QList<MonthLabel> &labels) {
        for (qsizetype i = 1; i < labels.size(); ++i) {
            if (labels[i - 1].rect.right() + 3 > labels[i].rect.left())
                return false;
        }
        return true;
    };
    QList<MonthLabel> labels = monthLabels(QLocale::ShortFormat);
    return fits(labels) ? labels : monthLabels(QLocale::NarrowFormat);
}

void CalendarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QLocale locale;
    painter.setPen(palette().color(QPalette::WindowText));
    for (int day : {1, 3, 5}) {
        const QRect row = cell(first.addDays(day - 1));
        if (!row.isEmpty())
            painter.drawText(0, row.center().y() + metrics.ascent() / 2,
                             locale.dayName(day, QLocale::ShortFormat));
    }
    for (qsizetype i = 0; i < counts.size(); ++i)
        painter.fillRect(cell(first.addDays(i)), shade(level(counts[i])));
    for (const MonthLabel &label : monthLabels())
        painter.drawText(label.rect.left(), metrics.ascent(), label.text);
    // The legend: less ... more.
    const int size = cellSize();
    int x = origin().x();
    const int y = origin().y() + 7 * size + 4;
    painter.drawText(x, y + metrics.ascent(), tr("Less"));
    x += metrics.horizontalAdvance(tr("Less")) + 4;
    for (int each = 0; each <= levels; ++each, x += metrics.height())
        painter.fillRect(x, y + 1, metrics.height() - 3, metrics.height() - 3, shade(each));
    painter.drawText(x + 2, y + metrics.ascent(), tr("More"));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

int CalendarChart::rowAt(QPoint point) const
{
    const int size = cellSize();
    const QPoint at = point - origin();
    if (at.x() < 0 || at.y() < 0 || at.y() >= 7 * size)
        return -1;
    const int index = at.x() / size * 7 + at.y() / size;
    return index < counts.size() ? index : -1;
}

QStringList CalendarChart::headers() const
{
    return {tr("Day"), tr("Answers")};
}

QList<QStringList> CalendarChart::rows() const
{
    QList<QStringList> table;
    for (qsizetype i = 0; i < counts.size(); ++i)
        table << QStringList{QLocale().toString(first.addDays(i), QLocale::ShortFormat),
                             QString::number(counts[i])};
    return table;
}

} // namespace widgets
