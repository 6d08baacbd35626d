// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerbutton.h"

#include "platform/colors.h"
#include "platform/widgets/textlayout.h"

#include <QKeySequence>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace widgets {

namespace {
constexpr int margin = 6;
}

AnswerButton::AnswerButton(QWidget *parent) : QPushButton(parent) {}

void AnswerButton::setText(const QString &caption)
{
    QPushButton::setText(caption);
    setShortcut(QKeySequence());
    setAccessibleName(caption);
    setToolTip(caption);
    update();
}

void AnswerButton::setBackColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Button, color);
    colors.setColor(QPalette::ButtonText, platform::readableText(color));
    setPalette(colors);
}

QColor AnswerButton::backColor() const
{
    return palette().color(QPalette::Button);
}

void AnswerButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect box = rect().adjusted(margin, margin / 3, -margin, -margin / 3);
    const platform::FittedText fitted =
        platform::fitText(text(), font(), box.width(), box.height());
    const int lineHeight = QFontMetrics(fitted.font).lineSpacing();
    const int top = box.top() + (box.height() - int(fitted.lines.size()) * lineHeight) / 2;
    painter.setFont(fitted.font);
    painter.setPen(palette().color(QPalette::ButtonText));
    for (qsizetype i = 0; i < fitted.lines.size(); ++i)
        painter.drawText(QRect(box.left(), top + int(i) * lineHeight, box.width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter, fitted.lines[i]);
}

} // namespace widgets
