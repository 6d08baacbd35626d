// SPDX-License-Identifier: GPL-3.0-or-later
#include "formpractice.h"
#include "studywidgets.h"

#include "questionview.h"

#include "platform/services.h"
#include "platform/widgets/escapekey.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace widgets {

using study::named;
using study::scaled;

using learning::PracticeSet;

namespace {

// "9:05", as a clock shows it.
QString figures(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// "9 minutes 5 seconds", as it is said.
QString inWords(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000, minutes = seconds / 60, rest = seconds % 60;
    const QString minutesText =
        minutes == 1 ? FormPractice::tr("1 minute") : FormPractice::tr("%1 minutes").arg(minutes);
    const QString secondsText =
        rest == 1 ? FormPractice::tr("1 second") : FormPractice::tr("%1 seconds").arg(rest);
    if (minutes == 0)
        return secondsText;
    return rest == 0 ? minutesText : FormPractice::tr("%1 %2").arg(minutesText, secondsText);
}

} // namespace

FormPractice::FormPractice(const core::Dictionary &dictionary, learning::LearnerMemory &memory,
                           platform::Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), services(services),
      set(dictionary, memory, *services.clock, *services.random),
      question(new QuestionView(dictionary, QuestionView::Answering::Changeable)),
      ticker(new QTimer(this))
{
    setObjectName(QStringLiteral("FormPractice"));
    setWindowTitle(tr("Practice Set"));
    auto *layout = new QVBoxLayout(this);
    pages = named(new QStackedWidget, QStringLiteral("pages"), tr("Practice set"));
    pages->addWidget(createQuestionPage());
    pages->addWidget(createResultsPage());
    layout->addWidget(pages);
    platform::cancelOnEscape(this);
    connect(&set, &PracticeSet::changed, this, &FormPractice::showSet);
    connect(question, &QuestionView::picksChanged, &set, &PracticeSet::setPicks);
    ticker->setInterval(500);
    connect(ticker, &QTimer::timeout, this, [this] {
        set.checkTime();
        showTime();
    });
    resize(760, 640);
}

FormPractice::~FormPractice() = default;

QWidget *FormPractice::createQuestionPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *top = new QHBoxLayout;
    positionLabel = named(new QLabel, QStringLiteral("positionLabel"), tr("Question"));
    positionLabel->setFont(scaled(font(), 1.2, true));
    answeredLabel = named(new QLabel, QStringLiteral("answeredLabel"), tr("Answered"));
    timeLabel = named(new QLabel, QStringLiteral("timeLabel"), tr("Time left"));
    timeLabel->setFont(scaled(font(), 1.2));
    top->addWidget(positionLabel);
    top->addSpacing(16);
    top->addWidget(answeredLabel);
    top->addStretch();
    top->addWidget(timeLabel);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(question);
    layout->addStretch();

    auto *buttons = new QHBoxLayout;
    backButton = named(new QPushButton(tr("&Back")), QStringLiteral("backButton"),
                       tr("Back to the question before"));
    nextButton = named(new QPushButton(tr("&Next (Enter)")), QStringLiteral("nextButton"),
                       tr("On to the next question"));
    finishButton = named(new QPushButton(tr("&Finish")), QStringLiteral("finishButton"),
                         tr("Finish the set and see the score"));
    buttons->addWidget(backButton);
    buttons->addWidget(nextButton);
    buttons->addStretch();
    buttons->addWidget(finishButton);
    layout->addLayout(buttons);
    connect(backButton, &QPushButton::clicked, this, [this] { set.goTo(set.current() - 1); });
    connect(nextButton, &QPushButton::clicked, this, [this] { set.goTo(set.current() + 1); });
    connect(finishButton, &QPushButton::clicked, this, &FormPractice::finishAsked);
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *next = new QShortcut(QKeySequence(key), page);
        connect(next, &QShortcut::activated, nextButton, &QPushButton::click);
    }
    return page;
}

QWidget *FormPractice::createResultsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    scoreLabel = named(new QLabel, QStringLiteral("scoreLabel"), tr("Score"));
    scoreLabel->setFont(scaled(font(), 1.8, true));
    scoreLabel->setFocusPolicy(Qt::StrongFocus);
    timeTakenLabel = named(new QLabel, QStringLiteral("timeTakenLabel"), tr("Time taken"));
    timeTakenLabel->setFont(scaled(font(), 1.1));
    mistakesLabel = named(new QLabel, QStringLiteral("mistakesLabel"), tr("Mistakes"));
    mistakesLabel->setWordWrap(true);
    mistakesLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mistakesLabel->setFocusPolicy(Qt::StrongFocus);
    mistakesLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    mistakesLabel->setFont(scaled(font(), 1.1));
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(mistakesLabel);
    layout->addWidget(scoreLabel);
    layout->addWidget(timeTakenLabel);
    layout->addWidget(scroll, 1);

    auto *buttons = new QHBoxLayout;
    againButton = named(new QPushButton(tr("&Practise again")), QStringLiteral("againButton"),
                        tr("A new practice set"));
    closeButton = named(new QPushButton(tr("&Close")), QStringLiteral("closeButton"), tr("Close"));
    buttons->addStretch();
    buttons->addWidget(againButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(againButton, &QPushButton::clicked, this, &FormPractice::open);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    return page;
}

void FormPractice::open()
{
    // A set under way is the learner's until it ends: opening the window again goes back to it.
    if (set.phase() == PracticeSet::Phase::Answering) {
        show();
        raise();
        activateWindow();
        return;
    }
    shownQuestion = -1;
    if (set.start()) {
        const QString allowed = inWords(set.timeLimitMs());
        timeLabel->setAccessibleDescription(
            set.size() == 1 ? tr("Time allowed: %1 for 1 question").arg(allowed)
                            : tr("Time allowed: %1 for %2 questions").arg(allowed).arg(set.size()));
        ticker->start();
    } else {
        scoreLabel->setText(tr("Nothing to practise yet"));
        timeTakenLabel->clear();
        mistakesLabel->setText(
            tr("A practice set asks the words of this list you have answered before, in Study "
               "Today or the quiz, whose sentence shows the word. Study some words first."));
        mistakesLabel->setAccessibleName(mistakesLabel->text());
        scoreLabel->setAccessibleName(scoreLabel->text());
        againButton->hide();
        pages->setCurrentIndex(1);
    }
    show();
    raise();
    activateWindow();
    if (set.phase() == PracticeSet::Phase::Answering)
        question->focusQuestion();
    else
        scoreLabel->setFocus();
}

void FormPractice::showSet()
{
    if (set.phase() == PracticeSet::Phase::Finished)
        return showResults();
    pages->setCurrentIndex(0);
    const int current = set.current();
    if (current != shownQuestion) {
        shownQuestion = current;
        question->showCard(set.card(current), set.picks(current));
        question->focusQuestion();
    }
    positionLabel->setText(tr("Question %1 of %2").arg(current + 1).arg(set.size()));
    positionLabel->setAccessibleName(positionLabel->text());
    answeredLabel->setText(tr("%1 of %2 answered").arg(set.answeredCount()).arg(set.size()));
    answeredLabel->setAccessibleName(answeredLabel->text());
    backButton->setEnabled(current > 0);
    nextButton->setEnabled(current + 1 < set.size());
    showTime();
}

// The time left each tick. A screen reader reads the minutes in words, which change once a
// minute, not every second; it is told as they change (at five minutes and at one among them),
// and the name never says more time than is left.
void FormPractice::showTime()
{
    if (set.phase() != PracticeSet::Phase::Answering)
        return;
    const qint64 left = set.msLeft();
    const QString words = left > 60'000 ? tr("about %1 minutes").arg((left + 59'999) / 60'000)
                                        : tr("less than a minute");
    timeLabel->setText(tr("Time left: %1 (%2)").arg(figures(left), words));
    const QString spoken = tr("Time left: %1").arg(words);
    if (timeLabel->accessibleName() != spoken)
        timeLabel->setAccessibleName(spoken); // which tells the screen reader of the change
}

void FormPractice::finishAsked()
{
    const int open = set.size() - set.answeredCount();
    if (open > 0 &&
        services.dialogs->message(open == 1 ? tr("1 question is not answered. Finish the set now?")
                                            : tr("%1 questions are not answered. Finish the set "
                                                 "now?")
                                                  .arg(open),
                                  platform::Icon::question,
                                  platform::Buttons::yesno) != platform::Answer::yes)
        return;
    set.finish();
}

void FormPractice::showResults()
{
    ticker->stop();
    shownQuestion = -1;
    againButton->show();
    scoreLabel->setText(tr("%1 of %2 right").arg(set.rightCount()).arg(set.size()));
    scoreLabel->setAccessibleName(scoreLabel->text());
    timeTakenLabel->setText(set.timeRanOut()
                                ? tr("The time ran out: %1 (%2).")
                                      .arg(figures(set.elapsedMs()), inWords(set.elapsedMs()))
                                : tr("Time taken: %1 (%2) of %3.")
                                      .arg(figures(set.elapsedMs()), inWords(set.elapsedMs()),
                                           inWords(set.timeLimitMs())));
    timeTakenLabel->setAccessibleName(timeTakenLabel->text());
    QString html, spoken;
    for (const PracticeSet::Mistake &mistake : set.mistakes()) {
        const QString heading =
            mistake.answered ? tr("Question %1: ✗ wrong").arg(mistake.question + 1)
            : set.timeRanOut()
                ? tr("Question %1: ✗ not answered, the time ran out").arg(mistake.question + 1)
                : tr("Question %1: ✗ not answered").arg(mistake.question + 1);
        const QString right =
            mistake.rightWords.size() == 2
                ? tr("Right: %1 and %2.").arg(mistake.rightWords[0], mistake.rightWords[1])
                : tr("Right: %1.").arg(mistake.rightWords.value(0));
        QStringList picked;
        for (qsizetype i = 0; i < mistake.wrongWords.size(); ++i)
            picked << tr("You picked %1: %2.").arg(mistake.wrongWords[i], mistake.wrongMeanings[i]);
        html += QStringLiteral("<p><b>%1</b><br>%2<br>%3")
                    .arg(heading.toHtmlEscaped(), highlightedUsage(mistake.usage, mistake.word),
                         right.toHtmlEscaped());
        for (const QString &each : std::as_const(picked))
            html += QStringLiteral("<br>") + each.toHtmlEscaped();
        html += QStringLiteral("</p>");
        spoken += QStringLiteral("%1. %2 %3 %4 ")
                      .arg(heading, mistake.usage, right, picked.join(QLatin1Char(' ')));
    }
    if (html.isEmpty())
        html = spoken = tr("No mistakes: every answer was right.");
    mistakesLabel->setText(html);
    mistakesLabel->setAccessibleName(spoken.trimmed());
    pages->setCurrentIndex(1);
    scoreLabel->setFocus();
    QAccessibleEvent event(scoreLabel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void FormPractice::endWithTheProgram()
{
    if (set.phase() == PracticeSet::Phase::Answering)
        set.finish();
}

// Closing before the end asks: end the set and record the answers so far, or keep going.
void FormPractice::closeEvent(QCloseEvent *event)
{
    if (set.phase() == PracticeSet::Phase::Answering) {
        const platform::Answer answer = services.dialogs->message(
            tr("End the practice set now? Your answers so far (%1 of %2) are recorded; the rest "
               "count as not answered. Choose No to keep going.")
                .arg(set.answeredCount())
                .arg(set.size()),
            platform::Icon::question, platform::Buttons::yesno);
        if (answer != platform::Answer::yes)
            return event->ignore();
        set.finish();
    }
    event->accept();
}

} // namespace widgets
