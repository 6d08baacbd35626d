// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorycard.h"

#include "studycontrols.h"

#include "platform/colors.h"
#include "platform/widgets/textlayout.h"

#include <QMouseEvent>
#include <QPainter>

using namespace core;

namespace widgets {

namespace {
constexpr qint32 cardColor = 16744576, black = 0;
constexpr int padding = 4;
constexpr double smallestFraction = 0.6;
} // namespace

MemoryCard::MemoryCard(QWidget *parent) : QLabel(parent)
{
    // A raised edge marks out each card, also face down on a frame of the card's colour.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setTextFormat(Qt::PlainText);
    studycontrols::setBackColor(this, cardColor);
    describe();
}

void MemoryCard::setCard(const QString &text, MemoryGame::Face newFace)
{
    setText(text);
    face = newFace;
    describe();
    update();
}

void MemoryCard::setOpeningColor(qint32 colorCode)
{
    openingColor = colorCode;
    describe();
    update();
}

// The colour the text shows in; none when it blends into the card.
std::optional<qint32> MemoryCard::textColor() const
{
    const qint32 color = face == MemoryGame::Face::Up             ? black
                         : face == MemoryGame::Face::DownReadable ? openingColor
                                                                  : cardColor;
    if (color == cardColor)
        return std::nullopt;
    return color;
}

bool MemoryCard::isReadable() const
{
    return textColor().has_value();
}

void MemoryCard::describe()
{
    setAccessibleName(isReadable() ? text() : tr("Card, face down"));
    setToolTip(isReadable() ? text() : QString());
}

void MemoryCard::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const std::optional<qint32> color = textColor();
    if (!color || text().isEmpty())
        return;
    const QRect box = contentsRect().adjusted(padding, padding, -padding, -padding);
    const platform::FittedText fitted =
        platform::fitText(text(), font(), box.width(), box.height(), smallestFraction);
    const int lineHeight = QFontMetrics(fitted.font).lineSpacing();
    const int top = box.top() + (box.height() - int(fitted.lines.size()) * lineHeight) / 2;
    QPainter painter(this);
    painter.setFont(fitted.font);
    painter.setPen(platform::colorFromCode(*color));
    for (qsizetype i = 0; i < fitted.lines.size(); ++i)
        painter.drawText(QRect(box.left(), top + int(i) * lineHeight, box.width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter, fitted.lines[i]);
}

void MemoryCard::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace widgets
