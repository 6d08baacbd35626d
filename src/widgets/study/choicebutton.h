// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

class QLabel;

namespace widgets {

// A push button whose caption wraps: a long meaning makes the button taller, not the window
// wider.
class ChoiceButton : public QPushButton
{
    Q_OBJECT
public:
    explicit ChoiceButton(QWidget *parent = nullptr);

    void setCaption(const QString &text, bool bold);
    QString caption() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

private:
    QLabel *label;
};

} // namespace widgets
