// SPDX-License-Identifier: GPL-3.0-or-later
// Printing on Qt Print Support. Built into the module the program loads the first time it
// prints, so that the start does not pay for Qt Print Support.

#include "desktopservices.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace platform {

namespace {

class QtPrinter : public Printer
{
public:
    bool printImage(QWidget *window) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull() || !window)
            return false;
        QPrinter device(info, QPrinter::HighResolution);
        return paintWindowImage(window, device);
    }
};

} // namespace

bool paintWindowImage(QWidget *window, QPrinter &device)
{
    const QPixmap image = window->grab();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}

std::unique_ptr<Printer> makeQtPrinter()
{
    return std::make_unique<QtPrinter>();
}

} // namespace platform

// The entry point of the module.
extern "C" Q_DECL_EXPORT platform::Printer *vocabrixMakePrinter()
{
    return platform::makeQtPrinter().release();
}
