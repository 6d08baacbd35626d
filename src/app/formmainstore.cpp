// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary menu entries: another dictionary, the raw editor and the word-list update.

#include "formmain.h"

#include "../platform/error.h"
#include "../platform/paths.h"
#include "../platform/services.h"
#include "../platform/textfile.h"
#include "../store/formedit.h"
#include "../store/formselect.h"
#include "../store/wordlistupdate.h"

#include <QAction>
#include <QProgressBar>

void FormMain::connectstore()
{
    connect(mnuOpen, &QAction::triggered, this, &FormMain::mnuOpen_Click);
    connect(mnueditxml, &QAction::triggered, this, &FormMain::mnueditxml_Click);
    connect(mnuxml, &QAction::triggered, this, &FormMain::mnuxml_Click);
}

void FormMain::mnuOpen_Click()
{
    forms::select().open([this](const QString &path) { loaddata(path); });
}

void FormMain::mnueditxml_Click()
{
    forms::edit().Form_Load();
}

void FormMain::mnuxml_Click()
{
    auto &services = platform::services();
    try {
        ProgressBar1->setVisible(true);
        ProgressBar1->setValue(45);
        const QUrl address = updateaddress();
        ProgressBar1->setValue(60);
        services.dialogs->message(QStringLiteral(" Please Wait ... Updating.."),
                                  platform::icon::exclamation, platform::buttons::ok);
        const platform::httpresponse response =
            services.http->get(address, updatetimeoutms, updatemaxbytes);
        // Only a whole, loadable word list may replace the dictionary.
        const QString problem = updateproblem(response);
        if (!problem.isEmpty())
            throw vocabrix::error(vocabrix::error::io, problem);
        platform::writetext(platform::programpath(QStringLiteral("\\XML\\gre.xml")),
                            platform::decodetext(response.body) + QStringLiteral("\r\n"));
        ProgressBar1->setValue(100);
        services.dialogs->message(QStringLiteral("Update Successful "), platform::icon::information,
                                  platform::buttons::ok);
        ProgressBar1->setVisible(false);
    } catch (const vocabrix::error &) {
        services.dialogs->message(QStringLiteral("Error during update , Please try later"),
                                  platform::icon::exclamation, platform::buttons::ok);
        ProgressBar1->setVisible(false);
    }
}
