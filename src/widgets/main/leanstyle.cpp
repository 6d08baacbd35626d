// SPDX-License-Identifier: GPL-3.0-or-later
#include "leanstyle.h"

#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

namespace widgets {

namespace {

// Two chevrons pointing right, or down when vertical, in the text colour: drawn when shown, as
// the extension buttons that ask for them seldom are.
class Chevron : public QIconEngine
{
public:
    Chevron(bool vertical, const QColor &colour) : vertical(vertical), colour(colour) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const qreal side = qMin(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(colour, side / 10.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->translate(rect.topLeft());
        if (vertical) {
            painter->translate(side, 0);
            painter->rotate(90);
        }
        const qreal unit = side / 16.0;
        for (qreal x : {4.0, 8.5}) {
            const QPointF arrow[] = {
                {x * unit, 4 * unit}, {(x + 3.5) * unit, 8 * unit}, {x * unit, 12 * unit}};
            painter->drawPolyline(arrow, 3);
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, image.rect(), mode, state);
        return image;
    }

    QIconEngine *clone() const override { return new Chevron(vertical, colour); }

private:
    bool vertical;
    QColor colour;
};

} // namespace

LeanStyle::LeanStyle(const QString &base) : QProxyStyle(base) {}

QIcon LeanStyle::standardIcon(StandardPixmap picture, const QStyleOption *option,
                              const QWidget *widget) const
{
    if (picture == SP_ToolBarHorizontalExtensionButton ||
        picture == SP_ToolBarVerticalExtensionButton)
        return QIcon(new Chevron(picture == SP_ToolBarVerticalExtensionButton,
                                 standardPalette().color(QPalette::ButtonText)));
    return QProxyStyle::standardIcon(picture, option, widget);
}

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's frame, a light rounded box below the title, as its image would draw it.
    constexpr int marginBelowTitle = 3;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    int top = marginBelowTitle;
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    const QColor ground = option->palette.window().color();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ground.darker(125), 1));
    painter->setBrush(ground.lighter(104));
    painter->drawRoundedRect(
        QRectF(option->rect.adjusted(0, top, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();
}

} // namespace widgets
