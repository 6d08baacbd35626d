// SPDX-License-Identifier: GPL-3.0-or-later
#include "formmemory.h"

#include "memorycard.h"
#include "studycontrols.h"

#include "core/displaysettings.h"
#include "platform/services.h"
#include "platform/widgets/escapekey.h"
#include "platform/widgets/twips.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <functional>

using namespace core;

namespace widgets {

using namespace studycontrols;

namespace {

constexpr qint32 cardColor = 16744576, buttonColor = 14737632;
constexpr int pairCheckInterval = 1000, clockInterval = 1000;

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = new QLabel(caption, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

// The captions stand in narrow fixed boxes; a smaller font keeps them whole.
void fitCaption(QLabel *label)
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
    : QWidget(parent), settings(settings), services(services), game(dictionary, *services.random)
{
    setObjectName(QStringLiteral("FormMemory"));
    setWindowTitle(tr("Memory Game"));
    setFixedSize(platform::twips(8265), platform::twips(9120));
    setBackColor(this, cardColor);
    createCards();
    createScore();
    createButtons();
    createTimers();
    connect(&game, &MemoryGame::changed, this, &FormMemory::showGame);
    showGame();
    platform::cancelOnEscape(this); // as Cancel
}

FormMemory::~FormMemory() = default;

void FormMemory::createCards()
{
    auto *frame = new QGroupBox(tr("Memory Game"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    placeTwips(frame, 0, 0, 8175, 6855);
    setBackColor(frame, cardColor);
    for (int i = 0; i < MemoryGame::cardCount; ++i) {
        MemoryCard *card = new MemoryCard(frame);
        card->setObjectName(indexed("Label1", i));
        card->resize(platform::twips(1815), platform::twips(1500));
        connect(card, &MemoryCard::clicked, &game, [this, i] { game.turn(i); });
        cards[size_t(i)] = card;
    }
}

void FormMemory::createScore()
{
    auto *frame = new QGroupBox(tr("Results Window"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    placeTwips(frame, 0, 6960, 8175, 1335);
    setBackColor(frame, cardColor);
    QLabel *attemptsCaption = label(frame, "Label2", tr("Number of attempts:"));
    placeTwips(attemptsCaption, 120, 360, 1815, 375);
    attemptsLabel = label(frame, "Label4", QString());
    placeTwips(attemptsLabel, 2280, 360, 855, 255);
    QLabel *timeCaption = label(frame, "Label3", tr("Time:"));
    placeTwips(timeCaption, 120, 840, 1575, 255);
    timeLabel = label(frame, "Label5", QString());
    placeTwips(timeLabel, 2280, 840, 855, 255);
    for (QLabel *count : {attemptsLabel, timeLabel})
        setBackColor(count, cardColor);
    fitCaption(attemptsCaption);
    fitCaption(timeCaption);
    attemptsCaption->setBuddy(attemptsLabel);
    timeCaption->setBuddy(timeLabel);
}

void FormMemory::createButtons()
{
    struct ButtonDesign
    {
        const char *name;
        QString caption;
        int left;
        QStyle::StandardPixmap picture;
        std::function<void()> action;
    };
    const ButtonDesign designs[] = {
        {"Command1(1)", tr("S&olve"), 4080, QStyle::SP_DialogApplyButton, [this] { solve(); }},
        {"Command1(0)", tr("&New Game"), 5520, QStyle::SP_BrowserReload, [this] { newGame(); }},
        {"Command2(0)", tr("&Cancel"), 6960, QStyle::SP_DialogCancelButton, [this] { close(); }},
    };
    for (const ButtonDesign &design : designs) {
        QAbstractButton *button = pictureButton(this, QLatin1String(design.name), design.caption,
                                                design.picture, buttonColor);
        placeTwips(button, design.left, 8400, 1200, 650);
        connect(button, &QAbstractButton::clicked, this, design.action);
    }
}

void FormMemory::createTimers()
{
    pairTimer = new QTimer(this);
    pairTimer->setObjectName(QStringLiteral("Timer1"));
    pairTimer->setInterval(pairCheckInterval);
    connect(pairTimer, &QTimer::timeout, &game, &MemoryGame::checkPair);
    clockTimer = new QTimer(this);
    clockTimer->setObjectName(QStringLiteral("Timer2"));
    clockTimer->setInterval(clockInterval);
    connect(clockTimer, &QTimer::timeout, &game, &MemoryGame::tick);
}

void FormMemory::load(const QString &)
{
    if (!game.isOpen())
        open();
    else
        raise();
    game.deal();
}

// The load step: the window shows and the cards take the memory game font and colour.
void FormMemory::open()
{
    show();
    const TextStyle &style = settings.style(DisplayStyles::MemoryCards);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setBold(true);
    for (MemoryCard *card : cards) {
        card->setOpeningColor(style.colorCode);
        card->setFont(font);
        setFontName(card, style.fontName);
        setFontSize(card, style.fontSize);
    }
    game.open(style.colorCode);
}

void FormMemory::closeEvent(QCloseEvent *event)
{
    game.close();
    event->accept();
}

} // namespace widgets
