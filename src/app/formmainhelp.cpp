// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's entries for the Options dialog, the help and the About window.

#include "formmain.h"

#include "../help/formabout.h"
#include "../help/formhelp.h"
#include "../help/helpfile.h"
#include "../settings/formoptions.h"

#include <QAction>

void FormMain::connecthelpandoptions()
{
    connect(mnuOptions, &QAction::triggered, this, [] { forms::options().open(); });
    connect(mnucontents, &QAction::triggered, this, [] { help::showcontents(); });
    connect(mnuabout, &QAction::triggered, this, [] { forms::about().open(); });
}
