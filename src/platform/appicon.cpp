#include "appicon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace platform {

namespace {

const QString iconresource = QStringLiteral(":/icons/vocabrix.svg");

} // namespace

QPixmap applicationpixmap(int size, qreal devicepixelratio)
{
    const int pixels = qMax(1, qRound(size * devicepixelratio));
    QPixmap image(pixels, pixels);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(iconresource);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(devicepixelratio);
    return image;
}

QIcon applicationicon()
{
    // Rendered here rather than through Qt's SVG icon plug-in, which a system may lack.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(applicationpixmap(size, 1.0));
    return icon;
}

} // namespace platform
