// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>

class QPainter;

namespace widgets {

// A small chart drawn with QPainter in the palette's colours, at any size. Its values are also
// a table (headers and rows of text): the window shows it for the keyboard and screen readers,
// and the chart's accessible description reads it out.
class Chart : public QWidget
{
    Q_OBJECT
public:
    // One kind of value: a name for the legend, a colour, and a pattern so that colour is not
    // the only difference.
    struct Series
    {
        QString name;
        QColor color;
        Qt::BrushStyle pattern = Qt::SolidPattern;
    };

    explicit Chart(QWidget *parent = nullptr);

    virtual QStringList headers() const = 0;
    virtual QList<QStringList> rows() const = 0;

signals:
    // The values changed.
    void changed();

protected:
    // The row of the table under a point of the chart, or -1: its values show as a tool tip.
    virtual int rowAt(QPoint) const { return -1; }
    bool event(QEvent *event) override;
    // Call after the values changed.
    void valuesChanged();
    static void fillBar(QPainter &painter, const QRectF &bar, const Series &series);
    // The legend's swatches and names in a row from a point, going on below where the row
    // would pass the right edge; returns its height.
    int drawLegend(QPainter &painter, QPoint at, const QList<Series> &series) const;
    // The height of that legend at a width.
    int legendHeight(const QList<Series> &series, int width) const;
    // A round step for axis ticks, so that at most `ticks` of them reach `maximum`.
    static int tickStep(int maximum, int ticks);

private:
    QList<QPoint> legendPlaces(QPoint at, const QList<Series> &series, int right) const;
};

} // namespace widgets
