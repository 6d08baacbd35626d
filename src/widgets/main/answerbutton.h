// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace widgets {

// A push button that word-wraps its caption inside itself, so that a long meaning stays
// readable, and elides only what does not fit in its height. The caption is taken literally:
// an ampersand is shown, not turned into a keyboard accelerator.
class AnswerButton : public QPushButton
{
    Q_OBJECT
public:
    explicit AnswerButton(QWidget *parent = nullptr);

    // Hides QAbstractButton::setText to keep the caption literal and its accessible name and
    // tooltip the whole text.
    void setText(const QString &caption);

    // The button's face colour; the caption is drawn in black or white, whichever reads.
    void setBackColor(const QColor &color);
    QColor backColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace widgets
