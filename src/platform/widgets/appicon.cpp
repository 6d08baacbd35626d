// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace platform {

namespace {

const QString iconresource = QStringLiteral(":/icons/vocabrix.svg");

QPixmap render(QSvgRenderer &renderer, int size, qreal devicepixelratio)
{
    const int pixels = qMax(1, qRound(size * devicepixelratio));
    QPixmap image(pixels, pixels);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(devicepixelratio);
    return image;
}

} // namespace

QPixmap applicationpixmap(int size, qreal devicepixelratio)
{
    QSvgRenderer renderer(iconresource);
    return render(renderer, size, devicepixelratio);
}

QIcon applicationicon()
{
    // Rendered here rather than through Qt's SVG icon plug-in, which a system may lack. Window
    // decorations and task bars use small sizes; the large ones would only slow the start.
    QSvgRenderer renderer(iconresource);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(render(renderer, size, 1.0));
    return icon;
}

} // namespace platform
