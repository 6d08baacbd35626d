// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart.h"

namespace widgets {

// One horizontal bar split into parts, each as long as its share of the whole, with a legend
// that names every part and its count.
class StackedBar : public Chart
{
    Q_OBJECT
public:
    explicit StackedBar(const QString &partName, QWidget *parent = nullptr);

    void setParts(const QList<Series> &parts, const QList<int> &counts);
    // Where the bar stands.
    QRect barArea() const;

    QStringList headers() const override;
    QList<QStringList> rows() const override;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return {420, minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Series> legend() const;

    QString part;
    QList<Series> kinds;
    QList<int> counts;
};

} // namespace widgets
