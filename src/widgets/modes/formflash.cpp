// SPDX-License-Identifier: GPL-3.0-or-later
#include "formflash.h"

#include "core/flashrules.h"
#include "studycontrols.h"

#include "platform/colors.h"
#include "platform/lookups.h"
#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "platform/services.h"
#include "platform/widgets/twips.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>

using namespace studycontrols;

namespace {

constexpr qint32 windowcolor = 16744576, boxcolor = 14737632, buttoncolor = 16761024;
constexpr int buttonwidth = 1200, buttonheight = 650;
const QString autocaption = QStringLiteral("&Auto Mode");

struct buttondesign
{
    int index;
    const char *caption;
    int left;
    QStyle::StandardPixmap picture;
};

const std::array<buttondesign, 7> buttondesigns{{
    {1, "&Flash ", 120, QStyle::SP_BrowserReload},
    {2, "&Previous", 1440, QStyle::SP_ArrowBack},
    {3, "&Next", 2760, QStyle::SP_ArrowForward},
    {6, "&Net Search", 4200, QStyle::SP_FileDialogContentsView},
    {4, "&Solve", 5520, QStyle::SP_DialogApplyButton},
    {7, "&Auto Mode", 6840, QStyle::SP_MediaPlay},
    {8, "&Cancel", 8160, QStyle::SP_DialogCancelButton},
}};

QTextEdit *cardbox(QWidget *parent, int index)
{
    auto *box = new QTextEdit(parent);
    box->setObjectName(indexed("Text1", index));
    box->setAcceptRichText(false);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setAccessibleName(index == 0 ? QStringLiteral("Word") : QStringLiteral("Meaning"));
    QPalette colors = box->palette();
    colors.setColor(QPalette::Base, platform::colorfromcode(boxcolor));
    box->setPalette(colors);
    return box;
}

// Centred however the text was put in, also when the user types into the box.
void settext(QTextEdit *box, const QString &text)
{
    box->setPlainText(text);
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

} // namespace

FormFlash::FormFlash(const Dictionary &dictionary, const DisplaySettings &settings,
                     platform::Services &services, QWidget *parent)
    : QWidget(parent), dictionary(dictionary), settings(settings), services(services)
{
    setObjectName(QStringLiteral("FormFlash"));
    setWindowTitle(QStringLiteral("Flash Card Mode"));
    createcontrols();
    load();
}

FormFlash::~FormFlash() = default;

void FormFlash::createcontrols()
{
    setFixedSize(platform::twips(9510), platform::twips(6390));
    setbackcolor(this, windowcolor);

    Frame1 = new QGroupBox(QStringLiteral("Flash Card"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placetwips(Frame1, 0, 120, 9495, 6255);
    setbackcolor(Frame1, windowcolor);

    Text1[0] = cardbox(Frame1, 0);
    placetwips(Text1[0], 120, 240, 9255, 2500);
    Text1[1] = cardbox(Frame1, 1);
    placetwips(Text1[1], 120, 2880, 9285, 2500);

    for (const buttondesign &design : buttondesigns) {
        // Solve stands on the window itself, the others in the frame 120 twips lower.
        const bool onwindow = design.index == 4;
        QAbstractButton *button = picturebutton(
            onwindow ? static_cast<QWidget *>(this) : Frame1, indexed("Command2", design.index),
            QString::fromUtf8(design.caption), design.picture, buttoncolor);
        placetwips(button, design.left, onwindow ? 5640 : 5520, buttonwidth, buttonheight);
        connect(button, &QAbstractButton::clicked, this,
                [this, index = design.index] { Command2_Click(index); });
        Command2[size_t(design.index)] = button;
    }
    Command2[4]->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1500);
    connect(Timer1, &QTimer::timeout, this, &FormFlash::Timer1_Timer);
}

void FormFlash::load()
{
    const TextStyle &style = settings.style(DisplaySettings::FlashCards);
    for (QTextEdit *box : Text1) {
        setfontname(box, style.fontName);
        settextcolor(box, style.colorCode);
        setfontsize(box, style.fontSize);
    }
    loaded = true;
}

// Back to the design state; flashposition stays.
void FormFlash::unload()
{
    Timer1->stop();
    Command2[7]->setText(autocaption);
    for (QTextEdit *box : Text1)
        settext(box, QString());
    Text1[1]->setVisible(true);
    loaded = false;
}

void FormFlash::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void FormFlash::formload(const QString &)
{
    if (!loaded)
        load();
    Text1[1]->setVisible(false);
    services.random->randomize();
    flashposition =
        flashrules::drawposition(services.random->rnd(), dictionary.count());
    settext(Text1[0], dictionary.word(flashposition));
    show();
    raise();
}

void FormFlash::showword()
{
    settext(Text1[0], dictionary.word(flashposition));
    Text1[1]->setVisible(false);
}

void FormFlash::Command2_Click(int index)
{
    const int n = dictionary.count();
    switch (index) {
    case 1:
        flashposition = flashrules::flash(flashposition, n, services.random->rnd());
        showword();
        break;
    case 2:
        flashposition = flashrules::previous(flashposition, n);
        showword();
        break;
    case 3:
        flashposition = flashrules::next(flashposition, n);
        showword();
        break;
    case 4:
        settext(Text1[1], dictionary.meaning(flashposition));
        Text1[1]->setVisible(true);
        break;
    case 6:
        netsearch();
        break;
    case 7:
        if (Timer1->isActive()) {
            Timer1->stop();
            Command2[7]->setText(QStringLiteral("Auto Mode"));
        } else {
            Timer1->start();
            Command2[7]->setText(QStringLiteral("Stop"));
        }
        break;
    case 8:
        close();
        break;
    default:
        break;
    }
}

void FormFlash::netsearch()
{
    const QUrl address =
        platform::lookupaddress(platform::dictionaryservices()[0], Text1[0]->toPlainText());
    if (!platform::browse(*services.launcher, address))
        services.dialogs->message(
            QStringLiteral("Internet Explorer not found on your system"), platform::icon::critical,
            platform::buttons::ok);
}

void FormFlash::Timer1_Timer()
{
    Command2_Click(3);
}

