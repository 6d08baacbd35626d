// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the SVG application icon into one file of raw pixels per size at build time (32-bit
// premultiplied ARGB, row after row), so that the program shows its icon without loading Qt SVG
// or asking image plug-ins to read it.
//   vocabrix_rendericon <icon.svg> <output folder> <size>...

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <icon.svg> <output folder> <size>...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString name = folder.filePath(QStringLiteral("vocabrix-%1.argb").arg(size));
        QSaveFile file(name);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) !=
                image.sizeInBytes() ||
            !file.commit()) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(name));
            return 1;
        }
    }
    return 0;
}
