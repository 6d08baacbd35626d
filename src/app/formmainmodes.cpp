// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu's study modes.

#include "formmain.h"

#include "../modes/formflash.h"
#include "../modes/formlist.h"
#include "../modes/formmemory.h"
#include "../modglobal.h"

#include <QAction>

void FormMain::connectstudymodes()
{
    connect(mnuList, &QAction::triggered, this, [] { forms::list().showwordlist(); });
    connect(mnuFlash, &QAction::triggered, this,
            [] { forms::flash().formload(modglobal::xmlfilepath); });
    connect(mnumemory, &QAction::triggered, this,
            [] { forms::memory().formload(modglobal::xmlfilepath); });
}
