// SPDX-License-Identifier: GPL-3.0-or-later
#include "formmain.h"

#include "answerbutton.h"
#include "review.h"

#include "../modes/formflash.h"
#include "../modes/studycontrols.h"
#include "../modglobal.h"
#include "../platform/colors.h"
#include "../platform/error.h"
#include "../platform/paths.h"
#include "../platform/services.h"
#include "../settings/displaysettings.h"
#include "../settings/globalfileroutines.h"
#include "../store/readxml.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTextEdit>

// Off unless asked for (QT_LOGGING_RULES="vocabrix.startup.info=true"): what start-up loaded.
Q_LOGGING_CATEGORY(startuplog, "vocabrix.startup", QtWarningMsg)

namespace {

const QString loadfailure = QStringLiteral(" There was an error in loading the XML dictionary");

} // namespace

FormMain::FormMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Vocabrix  GRE /GMAT/ SAT/TOEFL  Vocabulary Builder "));
    createcontrols();
    createmenus();
    connectsignals();
}

FormMain::~FormMain()
{
    modglobal::releasewindows();
}

void FormMain::connectsignals()
{
    connect(Command8, &QPushButton::clicked, this, &FormMain::Command8_Click);
    connect(mnuexit, &QAction::triggered, this, &FormMain::unloadprogram);
    connectreview();
    connectdescription();
    connectstore();
    connectstudymodes();
    connecthelpandoptions();
}

void FormMain::start()
{
    platform::services().random->randomize();
    setfontcolor();
    modglobal::xmlfilepath = QStringLiteral("\\XML\\gre.xml");
    bool loaded = true;
    try {
        loaddata(modglobal::xmlfilepath);
        qCInfo(startuplog).noquote() << "loaded" << modglobal::wordcount << "words from"
                                     << platform::programpath(modglobal::xmlfilepath);
    } catch (const vocabrix::error &failure) {
        loaded = false;
        qCInfo(startuplog).noquote() << "no dictionary:" << failure.message();
    }
    show();
    // Keys 1 to 5 answer at once; in the word box they would type instead.
    Command2[1]->setFocus();
    // The window opens empty rather than the program ending; the user can pick another file.
    if (!loaded)
        platform::services().dialogs->message(loadfailure, platform::icon::critical,
                                              platform::buttons::ok);
}

void FormMain::setfontcolor()
{
    using namespace modglobal;
    if (!loadsettings())
        displaysettings::applydefaults();
    studycontrols::setfontname(Text1, mainfontname);
    studycontrols::setfontsize(Text1, displaysettings::sizevalue(mainfontsize, 36));
    studycontrols::settextcolor(Text1, displaysettings::colorvalue(mainfontcolor));
    for (answerbutton *each : Command1)
        studycontrols::setfontname(each, answerfontname);
    // Reaching the flash card boxes creates that window, hidden, with its own settings.
    for (QWidget *box : forms::flash().Text1) {
        studycontrols::setfontname(box, flashfontname);
        studycontrols::settextcolor(box, displaysettings::colorvalue(flashfontcolor));
    }
}

void FormMain::loaddata(const QString &path)
{
    using namespace modglobal;
    readxml &reader = xmlreader();
    const qint16 n = reader.loadxmlall(path);
    wordcount = n;
    if (n == 0) {
        clearquiz();
        throw vocabrix::error(vocabrix::error::parse,
                              QStringLiteral("The dictionary %1 holds no word.").arg(path));
    }

    const int start = drawposition(platform::services().random->rnd(), n);
    const QString position = QString::number(start);
    Text1->setText(reader.readword(position));
    RichTextBox1->setPlainText(reader.readusage(position));
    const QColor background = platform::colorfromcode(displaysettings::colorvalue(answercolor));
    const float size = displaysettings::sizevalue(answerfontsize, 12);
    for (answerbutton *each : Command1) {
        studycontrols::setfontname(each, answerfontname);
        each->setbackcolor(background);
        studycontrols::setfontsize(each, size);
    }
    fillchoices(start);
    currentword = qint16(start);
}

void FormMain::fillchoices(int position)
{
    readxml &reader = modglobal::xmlreader();
    Command1[0]->setText(reader.readmeaning(QString::number(position)));
    for (int i = 1; i < 5; ++i) {
        const int drawn = drawposition(platform::services().random->rnd(), modglobal::wordcount);
        Command1[i]->setText(reader.readmeaning(QString::number(drawn)));
    }
}

void FormMain::clearquiz()
{
    Text1->clear();
    RichTextBox1->clear();
    for (answerbutton *each : Command1)
        each->setText(QString());
}

void FormMain::Command8_Click()
{
    if (platform::services().dialogs->message(QStringLiteral("Do you want to Exit ? "),
                                              platform::icon::question,
                                              platform::buttons::yesno) == platform::answer::yes)
        unloadprogram();
}

void FormMain::unloadprogram()
{
    if (ending)
        return;
    ending = true;
    modglobal::releasexmlreader();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->hide();
    }
    hide();
    emit ended();
    QCoreApplication::exit(0);
}

void FormMain::closeEvent(QCloseEvent *event)
{
    unloadprogram();
    event->accept();
}
