// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

// What the study windows do alike to the controls they make.
namespace widgets::study {

// A control found by its object name and read by a screen reader by its spoken name.
template <typename Widget> Widget *named(Widget *widget, const QString &name, const QString &spoken)
{
    widget->setObjectName(name);
    widget->setAccessibleName(spoken);
    return widget;
}

inline QLabel *wrapped(QLabel *label)
{
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

inline QFont scaled(QFont font, double factor, bool bold = false)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

} // namespace widgets::study
