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
    // As high as the bar and its legend at the width given, the legend on as many lines as it
    // takes.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<Series> legend() const;

    QString part;
    QList<Series> kinds;
    QList<int> counts;
};

} // namespace widgets
