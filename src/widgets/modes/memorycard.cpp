// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorycard.h"

#include "studycontrols.h"

#include "platform/colors.h"
#include "platform/widgets/textlayout.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int padding = 4;
constexpr double smallestfraction = 0.6;
} // namespace

memorycard::memorycard(QWidget *parent) : QLabel(parent)
{
    // A raised edge marks out each card, also face down on a frame of the card's colour.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setTextFormat(Qt::PlainText);
    describe();
}

void memorycard::setcaption(const QString &caption)
{
    setText(caption);
    describe();
    update();
}

void memorycard::setforecolor(qint32 color)
{
    fore = color;
    studycontrols::settextcolor(this, color);
    describe();
    update();
}

void memorycard::setbackcolor(qint32 color)
{
    back = color;
    studycontrols::setbackcolor(this, color);
    describe();
    update();
}

void memorycard::describe()
{
    const bool readable = fore != back;
    setAccessibleName(readable ? text() : QStringLiteral("Card, face down"));
    setToolTip(readable ? text() : QString());
}

void memorycard::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (fore == back || text().isEmpty())
        return;
    const QRect box = contentsRect().adjusted(padding, padding, -padding, -padding);
    const platform::fittedtext fitted =
        platform::fittext(text(), font(), box.width(), box.height(), smallestfraction);
    const int lineheight = QFontMetrics(fitted.font).lineSpacing();
    const int top = box.top() + (box.height() - int(fitted.lines.size()) * lineheight) / 2;
    QPainter painter(this);
    painter.setFont(fitted.font);
    painter.setPen(platform::colorfromcode(fore));
    for (qsizetype i = 0; i < fitted.lines.size(); ++i)
        painter.drawText(QRect(box.left(), top + int(i) * lineheight, box.width(), lineheight),
                         Qt::AlignHCenter | Qt::AlignVCenter, fitted.lines[i]);
}

void memorycard::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
