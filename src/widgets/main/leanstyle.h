// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application's style: the desktop's own, except that the standard pictures the main
// window asks for as it is made and first painted (the chevron of a menu or tool bar that does
// not fit, Fusion's group box frame) are drawn here. Qt would read them from image files whose
// format it finds by loading every image plug-in, and with them Qt SVG and the JPEG library, before
// the first window shows.

#include <QProxyStyle>

namespace widgets {

class LeanStyle : public QProxyStyle
{
public:
    // Wraps the style the application would use, by its name.
    explicit LeanStyle(const QString &base);
    QIcon standardIcon(StandardPixmap picture, const QStyleOption *option,
                       const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
};

} // namespace widgets
