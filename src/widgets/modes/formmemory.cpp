// SPDX-License-Identifier: GPL-3.0-or-later
#include "formmemory.h"

#include "memorycard.h"
#include "studycontrols.h"

#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "platform/services.h"
#include "platform/widgets/twips.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>

using namespace studycontrols;

namespace {

constexpr qint32 cardcolor = 16744576, buttoncolor = 14737632;

QFont designcardfont()
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = new QLabel(caption, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

// The captions stand in narrow fixed boxes; a smaller font keeps them whole.
void fitcaption(QLabel *label)
{
    QFont font = label->font();
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

} // namespace

FormMemory::FormMemory(const Dictionary &dictionary, const DisplaySettings &settings,
                       platform::Services &services, QWidget *parent)
    : QWidget(parent), dictionary(dictionary), settings(settings), services(services)
{
    setObjectName(QStringLiteral("FormMemory"));
    setWindowTitle(QStringLiteral("Memory Game"));
    createcontrols();
}

FormMemory::~FormMemory() = default;

void FormMemory::createcontrols()
{
    setFixedSize(platform::twips(8265), platform::twips(9120));
    setbackcolor(this, cardcolor);
    createcards();
    createscore();
    createbuttons();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FormMemory::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &FormMemory::Timer2_Timer);
    unload();
}

void FormMemory::createcards()
{
    Frame1 = new QGroupBox(QStringLiteral("Memory Game"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placetwips(Frame1, 0, 0, 8175, 6855);
    setbackcolor(Frame1, cardcolor);
    for (int i = 0; i < memoryrules::cardcount; ++i) {
        Label1[size_t(i)] = new memorycard(Frame1);
        Label1[size_t(i)]->setObjectName(indexed("Label1", i));
        connect(Label1[size_t(i)], &memorycard::clicked, this, [this, i] { Label1_Click(i); });
    }
}

void FormMemory::createscore()
{
    Frame2 = new QGroupBox(QStringLiteral("Results Window"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    placetwips(Frame2, 0, 6960, 8175, 1335);
    setbackcolor(Frame2, cardcolor);
    Label2 = label(Frame2, "Label2", QStringLiteral("Number of attempts:"));
    placetwips(Label2, 120, 360, 1815, 375);
    Label4 = label(Frame2, "Label4", QString());
    placetwips(Label4, 2280, 360, 855, 255);
    Label3 = label(Frame2, "Label3", QStringLiteral("Time:"));
    placetwips(Label3, 120, 840, 1575, 255);
    Label5 = label(Frame2, "Label5", QString());
    placetwips(Label5, 2280, 840, 855, 255);
    for (QLabel *count : {Label4, Label5})
        setbackcolor(count, cardcolor);
    fitcaption(Label2);
    fitcaption(Label3);
    Label2->setBuddy(Label4);
    Label3->setBuddy(Label5);
}

void FormMemory::createbuttons()
{
    Command1[1] = picturebutton(this, indexed("Command1", 1), QStringLiteral("S&olve"),
                                QStyle::SP_DialogApplyButton, buttoncolor);
    placetwips(Command1[1], 4080, 8400, 1200, 650);
    Command1[0] = picturebutton(this, indexed("Command1", 0), QStringLiteral("&New Game"),
                                QStyle::SP_BrowserReload, buttoncolor);
    placetwips(Command1[0], 5520, 8400, 1200, 650);
    Command2[0] = picturebutton(this, indexed("Command2", 0), QStringLiteral("&Cancel"),
                                QStyle::SP_DialogCancelButton, buttoncolor);
    placetwips(Command2[0], 6960, 8400, 1200, 650);
    for (int i : {0, 1})
        connect(Command1[size_t(i)], &QAbstractButton::clicked, this,
                [this, i] { Command1_Click(i); });
    connect(Command2[0], &QAbstractButton::clicked, this, [this] { Command2_Click(0); });
}

// The design state the window returns to when it is closed; the deal and counters stay.
void FormMemory::unload()
{
    Timer1->stop();
    Timer2->stop();
    const memoryrules::places design = memoryrules::designplaces();
    for (size_t i = 0; i < Label1.size(); ++i) {
        memorycard *card = Label1[i];
        card->setcaption(QStringLiteral(" "));
        card->setbackcolor(cardcolor);
        card->setforecolor(cardcolor);
        card->setFont(designcardfont());
        card->setVisible(true);
        placetwips(card, design[i].x(), design[i].y(), 1815, 1500);
    }
    Label4->clear();
    Label5->clear();
    loaded = false;
}

void FormMemory::load()
{
    show();
    Label4->setText(QStringLiteral("0"));
    const TextStyle &style = settings.style(DisplaySettings::MemoryCards);
    for (memorycard *card : Label1) {
        card->setforecolor(style.colorCode);
        setfontname(card, style.fontName);
        setfontsize(card, style.fontSize);
    }
    Timer2->start();
    loaded = true;
}

void FormMemory::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void FormMemory::placecard(memorycard *card, qint16 left, qint16 top)
{
    card->move(platform::twips(left), platform::twips(top));
}

void FormMemory::formload(const QString &)
{
    platform::random &random = *services.random;
    random.randomize();
    const int number = memoryrules::arrangementnumber(random.rnd());
    if (!loaded)
        load();
    else
        raise();
    if (const auto places = memoryrules::arrangement(number)) {
        for (size_t i = 0; i < Label1.size(); ++i)
            placecard(Label1[i], qint16((*places)[i].x()), qint16((*places)[i].y()));
    }
    dealentries();
}

void FormMemory::dealentries()
{
    dealtwords = {};
    dealtmeanings = {};
    for (size_t i = 0; i < dealtwords.size(); ++i) {
        const int position =
            memoryrules::dealposition(services.random->rnd(), dictionary.count());
        dealtwords[i] = dictionary.word(position);
        dealtmeanings[i] = dictionary.meaning(position);
    }
    for (size_t i = 0; i < dealtwords.size(); ++i) {
        Label1[i]->setcaption(dealtwords[i]);
        Label1[i + memoryrules::paircount]->setcaption(dealtmeanings[i]);
    }
}

