// SPDX-License-Identifier: GPL-3.0-or-later
#include "formstudy.h"
#include "plantext.h"
#include "studywidgets.h"

#include "questionview.h"

#include "core/wordkey.h"
#include "learning/fitreminder.h"
#include "learning/studycard.h"
#include "learning/studyplan.h"
#include "learning/timetext.h"
#include "platform/services.h"
#include "platform/widgets/escapekey.h"
#include "widgets/progress/forecastpanel.h"
#include "widgets/speech/speech.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace core;

namespace widgets {

using study::named;
using study::scaled;
using study::wrapped;

using learning::Rating;
using learning::StudySession;

namespace {

// Shift+F5, as pressed() takes keys.
const int usageKey = (Qt::SHIFT | Qt::Key_F5).toCombined();

const std::array<Rating, 4> ratings{Rating::Again, Rating::Hard, Rating::Good, Rating::Easy};

} // namespace

FormStudy::FormStudy(const Dictionary &dictionary, learning::LearnerMemory &memory,
                     platform::Services &services, Speech &speech, QWidget *parent)
    : QWidget(parent, Qt::Window), services(services), speech(speech), memory(memory),
      study(dictionary, memory, *services.clock, *services.random),
      question(new QuestionView(dictionary, QuestionView::Answering::AtOnce)),
      forecastPanel(new ForecastPanel(dictionary, memory, *services.clock))
{
    setObjectName(QStringLiteral("FormStudy"));
    setWindowTitle(tr("Study Today"));
    createControls();
    createShortcuts();
    platform::cancelOnEscape(this);
    connect(&study, &StudySession::changed, this, &FormStudy::showSession);
    connect(&speech, &Speech::pronunciationFound, this, [this](const QString &word) {
        if (wordKey(word) == wordKey(study.word()))
            this->speech.showPronunciation(ipaLabel, study.word());
    });
    resize(760, 680); // room for six choices and the feedback below them
}

FormStudy::~FormStudy() = default;

void FormStudy::createControls()
{
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    planLabel = named(new QLabel, QStringLiteral("planLabel"), tr("Plan"));
    progressLabel = named(new QLabel, QStringLiteral("progressLabel"), tr("Progress"));
    undoButton = named(new QPushButton(tr("&Undo")), QStringLiteral("undoButton"),
                       tr("Take the last answer back"));
    undoButton->setToolTip(tr("Take the last answer back (Ctrl+Z)"));
    top->addWidget(planLabel, 1);
    top->addWidget(progressLabel);
    top->addSpacing(12);
    top->addWidget(undoButton);
    layout->addLayout(top);

    pages = named(new QStackedWidget, QStringLiteral("pages"), tr("Study"));
    // A long sentence, six choices and the feedback may be taller than the window: the card
    // scrolls rather than squeezing its wrapped lines into one another.
    cardScroll = new QScrollArea;
    cardScroll->setWidgetResizable(true);
    cardScroll->setFrameShape(QFrame::NoFrame);
    cardScroll->setWidget(createCard());
    pages->addWidget(cardScroll);
    pages->addWidget(createSummary());
    layout->addWidget(pages, 1);
    connect(undoButton, &QPushButton::clicked, &study, &StudySession::undo);
}

QWidget *FormStudy::createCard()
{
    auto *card = new QWidget;
    auto *layout = new QVBoxLayout(card);
    wordLabel = named(new QLabel, QStringLiteral("wordLabel"), tr("Word"));
    wordLabel->setAlignment(Qt::AlignCenter);
    wordLabel->setFont(scaled(font(), 3.2, true));
    wordLabel->setMinimumHeight(90);
    wordLabel->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(wordLabel);

    auto *soundRow = new QHBoxLayout;
    ipaLabel = named(new QLabel, QStringLiteral("ipaLabel"), tr("Pronunciation"));
    ipaLabel->setFont(scaled(font(), 1.4));
    ipaLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    speakButton = speech.makeButton(QStringLiteral("speakButton"),
                                    tr("Say the word (F5; Shift+F5 the usage)"));
    soundRow->addStretch();
    soundRow->addWidget(ipaLabel);
    soundRow->addWidget(speakButton);
    soundRow->addStretch();
    layout->addLayout(soundRow);
    connect(speakButton, &QToolButton::clicked, this, [this] { pressed(Qt::Key_F5); });

    auto *hintRow = new QHBoxLayout;
    hintLabel = wrapped(named(new QLabel, QStringLiteral("hintLabel"), tr("Hint")));
    hintLabel->setFont(scaled(font(), 1.1));
    hintButton = named(new QPushButton(tr("Show &hint (H)")), QStringLiteral("hintButton"),
                       tr("Show the usage sentence as a hint"));
    hintRow->addWidget(hintLabel, 1);
    hintRow->addWidget(hintButton, 0, Qt::AlignTop);
    layout->addLayout(hintRow);
    connect(hintButton, &QPushButton::clicked, this, [this] { pressed(Qt::Key_H); });

    layout->addWidget(question);
    connect(question, &QuestionView::answered, this, [this](const QList<int> &picks) {
        if (picks.size() == 2)
            study.answerPair(picks[0], picks[1]);
        else
            study.answer(picks.value(0, -1));
    });
    connect(question, &QuestionView::typed, &study, &StudySession::answerTyped);
    layout->addWidget(feedback = createFeedback());
    layout->addStretch();
    return card;
}

QWidget *FormStudy::createFeedback()
{
    auto *box = new QFrame;
    box->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(box);
    resultLabel = wrapped(named(new QLabel, QStringLiteral("resultLabel"), tr("Result")));
    resultLabel->setFont(scaled(font(), 1.3, true));
    // Whose meaning a wrong pick was, so that the confusion itself is learnt from.
    pickedLabel = wrapped(named(new QLabel, QStringLiteral("pickedLabel"), tr("Your answer")));
    usageLabel = wrapped(named(new QLabel, QStringLiteral("usageLabel"), tr("Usage")));
    meaningLabel = wrapped(named(new QLabel, QStringLiteral("meaningLabel"), tr("Meaning")));
    for (QLabel *label : {pickedLabel, usageLabel, meaningLabel})
        label->setFont(scaled(font(), 1.15));
    for (QLabel *label : {resultLabel, pickedLabel, meaningLabel, usageLabel})
        layout->addWidget(label);

    auto *row = new QHBoxLayout;
    grades = new QButtonGroup(this);
    const std::array<QString, 4> captions{tr("&Again (A)"), tr("&Hard (H)"), tr("&Good (G)"),
                                          tr("&Easy (E)")};
    const std::array<const char *, 4> names{"gradeAgain", "gradeHard", "gradeGood", "gradeEasy"};
    auto *gradeCaption = new QLabel(tr("Grade:"));
    row->addWidget(gradeCaption);
    for (int i = 0; i < 4; ++i) {
        gradeButtons[i] = named(new QPushButton(captions[i]), QLatin1String(names[i]),
                                tr("Grade %1").arg(QString(captions[i]).remove(QLatin1Char('&'))));
        gradeButtons[i]->setCheckable(true);
        gradeButtons[i]->setStyleSheet(QStringLiteral(
            "QPushButton:checked { font-weight: bold; border: 2px solid palette(highlight); "
            "border-radius: 3px; padding: 3px 8px; }"));
        grades->addButton(gradeButtons[i], i);
        row->addWidget(gradeButtons[i]);
    }
    row->addStretch();
    continueButton = named(new QPushButton(tr("&Continue (Space)")),
                           QStringLiteral("continueButton"), tr("Next card"));
    continueButton->setDefault(true);
    row->addWidget(continueButton);
    layout->addLayout(row);
    connect(grades, &QButtonGroup::idClicked, this,
            [this](int id) { study.setGrade(ratings[id]); });
    connect(continueButton, &QPushButton::clicked, &study, &StudySession::next);
    return box;
}

QWidget *FormStudy::createSummary()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    summaryLabel = wrapped(named(new QLabel, QStringLiteral("summaryLabel"), tr("Summary")));
    summaryLabel->setFont(scaled(font(), 1.3));
    summaryLabel->setAlignment(Qt::AlignCenter);
    summaryLabel->setFocusPolicy(Qt::StrongFocus);
    closeButton = named(new QPushButton(tr("&Close")), QStringLiteral("closeButton"), tr("Close"));
    layout->addStretch();
    layout->addWidget(summaryLabel);

    // More work after the day's, each a short session in this window.
    using Extra = StudySession::Extra;
    const struct
    {
        const char *name;
        QString caption, tip;
        Extra extra;
    } choices[] = {
        {"moreNewButton", tr("&%1 more new words").arg(StudySession::extraNewWords),
         tr("Learn %1 more new words of this list").arg(StudySession::extraNewWords),
         Extra::NewWords},
        {"reviewAheadButton", tr("&Review ahead"),
         tr("Review the words due in the next %1 days now").arg(StudySession::reviewAheadDays),
         Extra::ReviewAhead},
        {"hardestButton", tr("Hardest &words"), tr("Practise the words of this list missed most"),
         Extra::Hardest},
    };
    auto *moreTitle = new QLabel(tr("<b>Study more:</b>"));
    studyMoreRow = new QWidget;
    auto *more = new QHBoxLayout(studyMoreRow);
    more->setContentsMargins(0, 0, 0, 0);
    more->addStretch();
    more->addWidget(moreTitle);
    for (int i = 0; i < 3; ++i) {
        studyMoreButtons[i] = named(new QPushButton(choices[i].caption),
                                    QLatin1String(choices[i].name), choices[i].tip);
        studyMoreButtons[i]->setToolTip(choices[i].tip);
        more->addWidget(studyMoreButtons[i]);
        connect(studyMoreButtons[i], &QPushButton::clicked, this,
                [this, extra = choices[i].extra] { studyMore(extra); });
    }
    // The exam's own formats, timed, from the words studied so far.
    practiceButton = named(new QPushButton(tr("&Practice set")), QStringLiteral("practiceButton"),
                           tr("Ten questions in the exam's formats, timed"));
    practiceButton->setToolTip(tr("Ten questions in the exam's formats from the words you have "
                                  "studied, timed as on the exam"));
    more->addSpacing(12);
    more->addWidget(practiceButton);
    connect(practiceButton, &QPushButton::clicked, this, &FormStudy::practiceRequested);
    more->addStretch();
    layout->addSpacing(12);
    layout->addWidget(studyMoreRow);
    studyMoreNote = wrapped(named(new QLabel, QStringLiteral("studyMoreNote"), tr("Study more")));
    studyMoreNote->setAlignment(Qt::AlignCenter);
    layout->addWidget(studyMoreNote);
    layout->addSpacing(12);
    layout->addWidget(forecastPanel);
    layout->addWidget(closeButton, 0, Qt::AlignCenter);
    layout->addStretch();
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    return page;
}

void FormStudy::createShortcuts()
{
    const auto shortcut = [this](QKeySequence keys, int key) {
        auto *result = new QShortcut(keys, this);
        connect(result, &QShortcut::activated, this, [this, key] { pressed(key); });
        return result;
    };
    // The question's keys are its own (1 to 6, Enter); Enter goes on after the answer.
    for (int key : {Qt::Key_A, Qt::Key_G, Qt::Key_E, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        feedbackKeys << shortcut(QKeySequence(key), key);
    // H is the hint before the answer and Hard after it.
    shortcut(QKeySequence(Qt::Key_H), Qt::Key_H);
    shortcut(QKeySequence::Undo, Qt::Key_Z);
    shortcut(QKeySequence(Qt::Key_F5), Qt::Key_F5);
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5), usageKey);
}

void FormStudy::pressed(int key)
{
    const StudySession::Phase phase = study.phase();
    if (key == Qt::Key_Z) {
        study.undo();
    } else if (phase != StudySession::Phase::Finished && (key == Qt::Key_F5 || key == usageKey)) {
        // The usage holds the word, so it is said only when asked for.
        if (asksTheWord())
            speech.say(key == Qt::Key_F5 ? study.word() : study.usage());
    } else if (phase == StudySession::Phase::Question) {
        pressedInQuestion(key);
    } else if (phase == StudySession::Phase::Feedback) {
        switch (key) {
        case Qt::Key_A:
            return study.setGrade(Rating::Again);
        case Qt::Key_H:
            return study.setGrade(Rating::Hard);
        case Qt::Key_G:
            return study.setGrade(Rating::Good);
        case Qt::Key_E:
            return study.setGrade(Rating::Easy);
        default:
            study.next();
        }
    }
}

void FormStudy::pressedInQuestion(int key)
{
    if (key == Qt::Key_H && study.format() == learning::StudyFormat::Meaning) {
        hintShown = true;
        showQuestion();
        announce(hintLabel);
    }
}

// Whether the word may be shown, said and its IPA given: not while a card asks for it.
bool FormStudy::asksTheWord() const
{
    return study.format() == learning::StudyFormat::Meaning ||
           study.phase() != StudySession::Phase::Question;
}

void FormStudy::followPlan(learning::StudyPlanSettings &plan)
{
    planSettings = &plan;
    const auto take = [this, &plan] {
        study.setPlan(plan.plan().examDate, plan.plan().newWordsPerDay, plan.plan().dailyMinutes);
        study.setFormats(plan.plan().formats);
    };
    take();
    connect(&plan, &learning::StudyPlanSettings::changed, this, take);
    forecastPanel->followPlan(plan);
}

void FormStudy::open()
{
    studyWord(QString());
}

void FormStudy::studyWord(const QString &word)
{
    // An answer on show is recorded already; the day's queue is built afresh.
    spokenCard.reset();
    study.start(word);
    speech.prepare();
    show();
    raise();
    activateWindow();
}

void FormStudy::showSession()
{
    const StudySession::Phase phase = study.phase();
    question->setOpen(phase == StudySession::Phase::Question);
    // Space on a focused choice is that choice's own key while the question is open.
    for (QShortcut *each : std::as_const(feedbackKeys))
        each->setEnabled(phase == StudySession::Phase::Feedback);
    undoButton->setEnabled(study.canUndo());
    showProgress();
    if (phase == StudySession::Phase::Finished)
        return showSummary();
    pages->setCurrentIndex(0);
    if (phase == StudySession::Phase::Question) {
        hintShown = false;
        question->showCard(study.card());
        showQuestion();
        if (study.format() == learning::StudyFormat::Meaning)
            wordLabel->setFocus();
        else
            question->focusQuestion();
        if (spokenCard != study.progress().answers) {
            spokenCard = study.progress().answers;
            if (asksTheWord())
                speech.cardShown(study.word());
        }
    } else {
        showFeedback();
    }
}

void FormStudy::showProgress()
{
    const StudySession::Progress progress = study.progress();
    planLabel->setText(planText(study.plan()));
    planLabel->setAccessibleName(tr("Plan: %1").arg(planLabel->text()));
    QString text = tr("%1 of %2 words").arg(progress.finished).arg(progress.total);
    if (progress.repeats > 0)
        text = tr("%1 · %2").arg(
            text, counted(progress.repeats, tr("1 repeat waiting"), tr("%1 repeats waiting")));
    progressLabel->setText(text);
    progressLabel->setAccessibleName(tr("Progress: %1").arg(progressLabel->text()));
}

void FormStudy::studyMore(learning::StudySession::Extra extra)
{
    using Extra = StudySession::Extra;
    spokenCard.reset();
    if (study.startExtra(extra))
        return;
    const QString none = extra == Extra::NewWords ? tr("Every word of this list has been studied.")
                         : extra == Extra::ReviewAhead
                             ? tr("No word of this list is due in the next %1 days.")
                                   .arg(StudySession::reviewAheadDays)
                             : tr("No word of this list has been missed yet.");
    studyMoreNote->setText(none);
    announce(studyMoreNote);
}

void FormStudy::showQuestion()
{
    using learning::StudyFormat;
    const StudyFormat format = study.format();
    const bool byMeaning = format == StudyFormat::Meaning;
    const bool wordShown = asksTheWord();
    wordLabel->setVisible(wordShown);
    wordLabel->setText(wordShown ? study.word() : QString());
    wordLabel->setAccessibleName(tr("Word: %1").arg(wordLabel->text()));
    ipaLabel->setVisible(wordShown);
    speakButton->setVisible(wordShown);
    if (wordShown)
        speech.showPronunciation(ipaLabel, study.word());
    hintLabel->setText(hintShown ? study.hint() : QString());
    hintLabel->setAccessibleName(tr("Hint: %1").arg(spokenBlanks(hintLabel->text())));
    hintLabel->setVisible(byMeaning && hintShown);
    hintButton->setVisible(byMeaning && !hintShown && !study.usage().isEmpty());
    feedback->setVisible(false);
}

void FormStudy::showFeedback()
{
    showQuestion();
    showResult();
    meaningLabel->setText(QStringLiteral("<b>%1</b> %2")
                              .arg(study.word().toHtmlEscaped(), study.meaning().toHtmlEscaped()));
    usageLabel->setText(highlightedUsage(study.usage(), study.word()));
    usageLabel->setAccessibleName(tr("Usage: %1").arg(study.usage()));
    meaningLabel->setAccessibleName(tr("Meaning: %1 %2").arg(study.word(), study.meaning()));
    usageLabel->setVisible(!study.usage().isEmpty());
    hintLabel->setVisible(false);
    hintButton->setVisible(false);
    for (int i = 0; i < 4; ++i)
        gradeButtons[i]->setChecked(ratings[i] == study.grade());
    feedback->setVisible(true);
    continueButton->setFocus();
    // Once laid out: Continue in sight, and above all the verdict.
    QTimer::singleShot(0, this, [this] {
        cardScroll->ensureWidgetVisible(continueButton);
        cardScroll->ensureWidgetVisible(resultLabel);
    });
    announce(resultLabel);
}

// Right or wrong in words, and what a wrong pick was: whose meaning, which word, what was typed.
void FormStudy::showResult()
{
    using learning::Spelling;
    using learning::StudyFormat;
    const QList<int> right = study.rightChoices();
    const bool wasRight = study.answeredRight();
    QStringList wrongPicks;
    // Of a pair, which right word was picked too.
    const bool pair = study.picksWanted() == 2;
    for (int choice : right)
        question->markChoice(choice,
                             pair && study.picks().contains(choice) ? tr("✓ right, your answer")
                                                                    : tr("✓ right"),
                             QStringLiteral("#c8e6c9"));
    for (int choice : study.picks()) {
        if (right.contains(choice))
            continue;
        question->markChoice(choice, tr("✗ your answer"), QStringLiteral("#ffcdd2"));
        wrongPicks << tr("%1 is %2: %3")
                          .arg(choice + 1)
                          .arg(study.choiceWord(choice),
                               learning::withoutPartOfSpeech(study.choiceMeaning(choice)));
    }
    const QString word = study.word();
    QString result;
    switch (study.format()) {
    case StudyFormat::Meaning:
    case StudyFormat::TextCompletion:
        result = wasRight ? tr("✓ Right: %1 is %2.").arg(word).arg(right.value(0) + 1)
                          : tr("✗ Not this one: %1 is %2, not %3.")
                                .arg(word)
                                .arg(right.value(0) + 1)
                                .arg(study.chosen() + 1);
        break;
    case StudyFormat::SentenceEquivalence:
        result = (wasRight ? tr("✓ Right: %1 and %2 (%3 and %4) both fit.")
                           : tr("✗ Not this pair: %1 and %2 (%3 and %4) fit."))
                     .arg(study.choiceWord(right.value(0)), study.choiceWord(right.value(1)))
                     .arg(right.value(0) + 1)
                     .arg(right.value(1) + 1);
        break;
    case StudyFormat::TypedRecall:
        result = study.spelling() == Spelling::Right ? tr("✓ Right: %1.").arg(word)
                 : study.spelling() == Spelling::Nearly
                     ? tr("≈ Nearly: it is spelt %1.").arg(word)
                     : tr("✗ Not this word: it is %1.").arg(word);
        if (study.spelling() != Spelling::Right)
            wrongPicks << tr("You typed '%1': %2").arg(study.typed().trimmed(), word);
        break;
    }
    resultLabel->setText(result);
    const bool nearly =
        study.spelling() == Spelling::Nearly && study.format() == StudyFormat::TypedRecall;
    resultLabel->setStyleSheet(wasRight ? QStringLiteral("color: #1b5e20")
                               : nearly ? QStringLiteral("color: #8d5a00")
                                        : QStringLiteral("color: #b71c1c"));
    pickedLabel->setText(wrongPicks.join(QLatin1Char('\n')));
    pickedLabel->setAccessibleName(pickedLabel->text());
    pickedLabel->setVisible(!wrongPicks.isEmpty());
}

void FormStudy::showSummary()
{
    studyMoreRow->setVisible(study.hasWords());
    studyMoreNote->clear();
    if (!study.hasWords()) {
        const QString empty = tr("This dictionary has no words to study.");
        summaryLabel->setText(empty);
        summaryLabel->setAccessibleName(empty);
        forecastPanel->hide();
        pages->setCurrentIndex(1);
        summaryLabel->setFocus();
        return;
    }
    // Taken as the summary comes up, and kept while it stays.
    if ((pages->currentIndex() != 1 || !isVisible()) && planSettings)
        fitReminder = learning::takeFitReminder(memory, *planSettings,
                                                learning::toTime(services.clock->now()));
    const StudySession::Summary &summary = study.summary();
    // The figures are the list's; the answers to every list are added when there are others.
    const bool otherLists = summary.allAnswers != summary.reviewed;
    summaryLabel->setText(
        tr("<p><b>Today's work is done.</b></p><table align=center cellpadding=3>"
           "<tr><td>Reviewed:</td><td align=right>%1</td></tr>"
           "<tr><td>Right:</td><td align=right>%2</td></tr>"
           "<tr><td>New words learned:</td><td align=right>%3</td></tr>"
           "<tr><td>Due tomorrow:</td><td align=right>%4</td></tr>"
           "<tr><td>Day streak:</td><td align=right>%5</td></tr></table>")
            .arg(summary.reviewed)
            .arg(summary.right)
            .arg(summary.learned)
            .arg(summary.dueTomorrow)
            .arg(summary.streak) +
        (otherLists ? tr("<p>All lists: %1 answers today</p>").arg(summary.allAnswers)
                    : QString()) +
        (fitReminder.isEmpty() ? QString()
                               : QStringLiteral("<p>%1</p>").arg(fitReminder.toHtmlEscaped())));
    summaryLabel->setAccessibleName(
        tr("Today's work is done. Reviewed %1, right %2, new words learned %3, due tomorrow "
           "%4, day streak %5.")
            .arg(summary.reviewed)
            .arg(summary.right)
            .arg(summary.learned)
            .arg(summary.dueTomorrow)
            .arg(summary.streak) +
        (otherLists ? tr(" All lists: %1 answers today.").arg(summary.allAnswers) : QString()) +
        (fitReminder.isEmpty() ? QString() : QLatin1Char(' ') + fitReminder));
    forecastPanel->refresh();
    pages->setCurrentIndex(1);
    summaryLabel->setFocus();
}

// A screen reader speaks the result, not only the colour around it.
void FormStudy::announce(QLabel *label)
{
    label->setAccessibleName(label->text());
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace widgets
