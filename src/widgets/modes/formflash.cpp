// SPDX-License-Identifier: GPL-3.0-or-later
#include "formflash.h"

#include "studycontrols.h"

#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "core/wordkey.h"
#include "platform/colors.h"
#include "platform/lookups.h"
#include "platform/services.h"
#include "platform/speaker.h"
#include "platform/widgets/escapekey.h"
#include "platform/widgets/twips.h"
#include "widgets/speech/speech.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace core;

namespace widgets {

using namespace studycontrols;

namespace {

constexpr qint32 windowColor = 16744576, boxColor = 14737632, buttonColor = 16761024;
constexpr int autoModeInterval = 1500;

QTextEdit *cardBox(QWidget *parent, int index, const QString &accessibleName)
{
    auto *box = new QTextEdit(parent);
    box->setObjectName(indexed("Text1", index));
    box->setAcceptRichText(false);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setAccessibleName(accessibleName);
    QPalette colors = box->palette();
    colors.setColor(QPalette::Base, platform::colorFromCode(boxColor));
    box->setPalette(colors);
    return box;
}

// Centred however the text was put in, also when the user types into the box.
void setCentredText(QTextEdit *box, const QString &text)
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
                     platform::Services &services, Speech &speech, QWidget *parent)
    : QWidget(parent), dictionary(dictionary), settings(settings), services(services),
      speech(speech), cards(dictionary, *services.random)
{
    setObjectName(QStringLiteral("FormFlash"));
    setWindowTitle(tr("Flash Card Mode"));
    createControls();
    createButtons();
    createSpeech();
    connect(&cards, &FlashCards::wordChanged, this, &FormFlash::showWord);
    connect(&cards, &FlashCards::meaningRevealed, this, &FormFlash::showMeaning);
    applyStyle();
    platform::cancelOnEscape(this); // as Cancel
}

FormFlash::~FormFlash() = default;

void FormFlash::createControls()
{
    setFixedSize(platform::twips(9510), platform::twips(6390));
    setBackColor(this, windowColor);

    frame = new QGroupBox(tr("Flash Card"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    placeTwips(frame, 0, 120, 9495, 6255);
    setBackColor(frame, windowColor);

    wordBox = cardBox(frame, 0, tr("Word"));
    placeTwips(wordBox, 120, 240, 9255, 2040);
    meaningBox = cardBox(frame, 1, tr("Meaning"));
    placeTwips(meaningBox, 120, 2880, 9285, 2500);

    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(autoModeInterval);
    connect(timer, &QTimer::timeout, &cards, &FlashCards::next);
}

// The IPA and the speaker button stand in a strip cut from the bottom of the word box.
void FormFlash::createSpeech()
{
    ipaLabel = new QLabel(frame);
    ipaLabel->setObjectName(QStringLiteral("ipaLabel"));
    ipaLabel->setAccessibleName(tr("Pronunciation"));
    ipaLabel->setAlignment(Qt::AlignCenter);
    ipaLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont larger = ipaLabel->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.4);
    ipaLabel->setFont(larger);
    placeTwips(ipaLabel, 120, 2310, 8400, 480);
    speakButton = speech.makeButton(QStringLiteral("speakButton"),
                                    tr("Say the word (F5; Shift+F5 the usage)"), frame);
    placeTwips(speakButton, 8640, 2310, 735, 480);
    connect(speakButton, &QToolButton::clicked, this, [this] { speech.say(cards.word()); });
    auto *wordShortcut = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(wordShortcut, &QShortcut::activated, this, [this] { speech.say(cards.word()); });
    auto *usageShortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5), this);
    connect(usageShortcut, &QShortcut::activated, this,
            [this] { speech.say(dictionary.usage(cards.currentPosition())); });
    connect(&speech, &Speech::pronunciationFound, this, [this](const QString &word) {
        if (wordKey(word) == wordKey(cards.word()))
            speech.showPronunciation(ipaLabel, cards.word());
    });
}

void FormFlash::createButtons()
{
    struct ButtonDesign
    {
        int index;
        QString caption;
        int left;
        QStyle::StandardPixmap picture;
        std::function<void()> action;
    };
    // N is Next's and S Solve's, so Net Search has R.
    const ButtonDesign designs[] = {
        {1, tr("&Flash "), 120, QStyle::SP_BrowserReload, [this] { cards.flash(); }},
        {2, tr("&Previous"), 1440, QStyle::SP_ArrowBack, [this] { cards.previous(); }},
        {3, tr("&Next"), 2760, QStyle::SP_ArrowForward, [this] { cards.next(); }},
        {6, tr("Net Sea&rch"), 4200, QStyle::SP_FileDialogContentsView, [this] { netSearch(); }},
        {4, tr("&Solve"), 5520, QStyle::SP_DialogApplyButton, [this] { cards.reveal(); }},
        {7, tr("&Auto Mode"), 6840, QStyle::SP_MediaPlay, [this] { toggleAutoMode(); }},
        {8, tr("&Cancel"), 8160, QStyle::SP_DialogCancelButton, [this] { close(); }},
    };
    for (const ButtonDesign &design : designs) {
        // Solve stands on the window itself, the others in the frame 120 twips lower.
        const bool onWindow = design.index == 4;
        QAbstractButton *button = pictureButton(onWindow ? static_cast<QWidget *>(this) : frame,
                                                indexed("Command2", design.index), design.caption,
                                                design.picture, buttonColor);
        placeTwips(button, design.left, onWindow ? 5640 : 5520, 1200, 650);
        connect(button, &QAbstractButton::clicked, this, design.action);
        if (onWindow)
            button->raise();
        if (design.index == 7)
            autoButton = button;
    }
}

// The load step: the boxes take the flash card font and colour of the settings.
void FormFlash::applyStyle()
{
    const TextStyle &style = settings.style(DisplayStyles::FlashCards);
    for (QTextEdit *box : {wordBox, meaningBox}) {
        setFontName(box, style.fontName);
        setTextColor(box, style.colorCode);
        setFontSize(box, style.fontSize);
    }
    styled = true;
}

void FormFlash::load(const QString &)
{
    if (!styled)
        applyStyle();
    speech.prepare();
    const bool wasVisible = isVisible();
    cards.open();
    show();
    // The card was shown before the window was.
    if (!wasVisible)
        speech.cardShown(cards.word());
    raise();
}

// Closing stops auto mode and empties the boxes; the position stays with the cards.
void FormFlash::closeEvent(QCloseEvent *event)
{
    timer->stop();
    autoButton->setText(tr("&Auto Mode"));
    setCentredText(wordBox, QString());
    setCentredText(meaningBox, QString());
    ipaLabel->clear();
    speech.speaker().stop();
    styled = false;
    event->accept();
}

void FormFlash::showWord()
{
    setCentredText(wordBox, cards.word());
    meaningBox->setVisible(cards.meaningShown());
    speech.showPronunciation(ipaLabel, cards.word());
    if (isVisible())
        speech.cardShown(cards.word());
}

void FormFlash::showMeaning()
{
    setCentredText(meaningBox, cards.meaning());
    meaningBox->setVisible(cards.meaningShown());
}

// Looks up what the word box holds: the word shown, or what the user typed over it.
void FormFlash::netSearch()
{
    const QUrl address =
        platform::lookupAddress(platform::dictionaryServices()[0], wordBox->toPlainText());
    if (!platform::browse(*services.launcher, address))
        services.dialogs->message(tr("Internet Explorer not found on your system"),
                                  platform::Icon::critical, platform::Buttons::ok);
}

void FormFlash::toggleAutoMode()
{
    if (timer->isActive()) {
        timer->stop();
        autoButton->setText(tr("Auto Mode"));
    } else {
        timer->start();
        autoButton->setText(tr("Stop"));
    }
}

} // namespace widgets
