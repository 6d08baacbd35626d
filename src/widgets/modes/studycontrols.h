// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers the study windows share to build their controls at fixed places.

#include <QString>
#include <QStyle>
#include <QtGlobal>

class QAbstractButton;
class QWidget;

namespace widgets {

namespace studycontrols {

// "Label1(3)": the name of a member of a control array.
QString indexed(const char *name, int index);

// Places a control at a position and size given in twips, relative to its container.
void placeTwips(QWidget *control, int left, int top, int width, int height);

void setBackColor(QWidget *control, qint32 color);
void setTextColor(QWidget *control, qint32 color);
void setFontName(QWidget *control, const QString &name);
void setFontSize(QWidget *control, float size);
// A font size as the settings give it, kept to what a screen font can take.
double fontPointSize(float size);

// A button of the study windows: the caption under a small picture, so that both fit the
// narrow buttons, on a face of the given colour.
QAbstractButton *pictureButton(QWidget *parent, const QString &name, const QString &caption,
                               QStyle::StandardPixmap picture, qint32 color);

} // namespace studycontrols

} // namespace widgets
