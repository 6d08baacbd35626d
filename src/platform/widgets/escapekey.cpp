// SPDX-License-Identifier: GPL-3.0-or-later
#include "escapekey.h"

#include <QAbstractButton>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace platform {

void cancelOnEscape(QWidget *window, QAbstractButton *cancel)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    key->setObjectName(QStringLiteral("escapekey"));
    QObject::connect(key, &QShortcut::activated, window,
                     [window, button = QPointer<QAbstractButton>(cancel)] {
                         if (button)
                             button->click();
                         else
                             window->close();
                     });
}

} // namespace platform
