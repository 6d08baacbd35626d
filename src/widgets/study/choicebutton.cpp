// SPDX-License-Identifier: GPL-3.0-or-later
#include "choicebutton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace widgets {

namespace {

constexpr int horizontalMargin = 12, verticalMargin = 8;

} // namespace

ChoiceButton::ChoiceButton(QWidget *parent) : QPushButton(parent), label(new QLabel)
{
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(horizontalMargin, verticalMargin, horizontalMargin, verticalMargin);
    layout->addWidget(label);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ChoiceButton::setCaption(const QString &text, bool bold)
{
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->setText(text);
    updateGeometry();
}

QString ChoiceButton::caption() const
{
    return label->text();
}

QSize ChoiceButton::sizeHint() const
{
    return QSize(400, heightForWidth(400));
}

QSize ChoiceButton::minimumSizeHint() const
{
    return QSize(200, label->fontMetrics().height() + 2 * verticalMargin);
}

int ChoiceButton::heightForWidth(int width) const
{
    return label->heightForWidth(width - 2 * horizontalMargin) + 2 * verticalMargin;
}

} // namespace widgets
