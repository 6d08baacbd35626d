// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QFile>
#include <QImage>
#include <iterator>

namespace platform {

namespace {

// The sizes the build renders the SVG icon at (vocabrix_rendericon), each a PNG resource.
constexpr int renderedSizes[] = {16, 24, 32, 48, 64, 128};

// The rendered image of the given size in pixels, or the nearest larger one scaled down. Raw
// pixels, so that reading them asks no image plug-in (Qt loads every one to find a reader).
QPixmap rendered(int pixels)
{
    int source = renderedSizes[std::size(renderedSizes) - 1];
    for (int size : renderedSizes) {
        if (size >= pixels) {
            source = size;
            break;
        }
    }
    const QPixmap image =
        renderedPixmap(QStringLiteral(":/icons/vocabrix-%1.argb").arg(source), source);
    if (source == pixels || image.isNull())
        return image;
    return image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QPixmap renderedPixmap(const QString &resource, int side)
{
    QFile file(resource);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (bytes.size() != qsizetype(side) * side * 4)
        return QPixmap();
    // A copy: the pixmap may keep the image it is made from, and this one's pixels are borrowed.
    const QImage borrowed(reinterpret_cast<const uchar *>(bytes.constData()), side, side,
                          QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(borrowed.copy());
}

QPixmap applicationPixmap(int size, qreal devicepixelratio)
{
    QPixmap image = rendered(qMax(1, qRound(size * devicepixelratio)));
    image.setDevicePixelRatio(devicepixelratio);
    return image;
}

QIcon applicationIcon()
{
    // Window decorations and task bars use small sizes; the large ones would only slow the start.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(rendered(size));
    return icon;
}

} // namespace platform
