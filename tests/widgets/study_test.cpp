// SPDX-License-Identifier: GPL-3.0-or-later
// Study Today as a learner drives it: the exam date set in Options paces the new words, keys
// answer, grade, go on and undo, and the summary tells what the memory holds.

#include "program.h"
#include "widgets/study/formpractice.h"

using learning::Rating;

// A choice picked as a screen reader picks it: the button's toggle action, which clicks nothing.
static void toggleAsAScreenReaderDoes(const QWidget *window, int choice)
{
    QAccessible::queryAccessibleInterface(
        control<QAbstractButton>(window, QStringLiteral("choice%1").arg(choice + 1)))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
}

// A list of these verbs after its heading, each meaning "(v.) to abate" and in the sentence
// "They saw it abate at last." and the tail.
static std::vector<entry> verbs(std::initializer_list<const char *> verbs, const QString &tail = {})
{
    std::vector<entry> words{{"About this list", "(n.) what it holds", ""}};
    for (const char *verb : verbs)
        words.push_back({verb, QStringLiteral("(v.) to %1").arg(verb),
                         QStringLiteral("They saw it %1 at last.%2").arg(verb, tail)});
    return words;
}

// An answer of a word of gre.xml given some days before the clock's time.
static learning::Review answered(const FakeServices &fakes, const char *word, int daysAgo,
                                 Rating rating)
{
    return {word, learning::toTime(fakes.clock.time.addDays(-daysAgo)), rating, "study", "gre.xml",
            3000};
}

TEST(StudyWindow, KeysAnswerGradeUndoAndFinishTheDayPacedByTheExamDate)
{
    FakeServices fakes;
    Program vocabrix(fakes, numberedWords(9));
    FormMain &window = vocabrix.window;
    // A Study window made before the plan is saved follows it.
    QWidget *before = opened(&window, "mnuStudy", "FormStudy");
    EXPECT_EQ(labelText(before, "progressLabel"), "0 of 8 words");
    // Three answers a new word, ten seconds each, before the learner has answered any.
    EXPECT_EQ(labelText(before, "planLabel"), "8 new words, about 4 minutes");
    before->close();
    QWidget *options = opened(&window, "mnuOptions", "FormOptions");
    click(options, "examBox");
    control<QDateEdit>(options, "examDate")->setDate(fakes.clock.time.date().addDays(12));
    click(options, "Command2(1)"); // no font or colour changed: no question about them

    ASSERT_TRUE(activated(&window));
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    auto *study = qobject_cast<FormStudy *>(topWindow("FormStudy"));
    ASSERT_TRUE(study && activated(study));
    const auto label = [study](const char *name) { return labelText(study, name); };
    // 8 words over 12 - 7 days: 2 a day.
    EXPECT_EQ(label("progressLabel"), "0 of 2 words");
    press(Qt::Key_H);
    EXPECT_EQ(label("hintLabel"), "They ____.");
    const int wrong = (study->session().rightChoice() + 1) % 5;
    press(Qt::Key_1 + wrong);
    EXPECT_TRUE(label("resultLabel").startsWith("✗"));
    // Whose meaning the wrong pick was, read off the button picked: "3.  (v.) m4" is w4's.
    const QString picked = study->findChild<QWidget *>(QStringLiteral("choice%1").arg(wrong + 1))
                               ->accessibleName()
                               .section(QLatin1Char(' '), 3, 3);
    EXPECT_EQ(label("pickedLabel"),
              QStringLiteral("%1 is w%2: %3").arg(wrong + 1).arg(picked.mid(1), picked));
    EXPECT_TRUE(control<QAbstractButton>(study, "gradeAgain")->isChecked());
    press(Qt::Key_Z, Qt::ControlModifier);
    learning::LearnerMemory &memory = window.learnerMemory();
    EXPECT_EQ(memory.reviewCount(), 0);
    // Answers every card of the day right and grades it easy; whether the wrong pick is hidden.
    const auto answerAll = [&](bool told) {
        while (study->session().phase() == learning::StudySession::Phase::Question) {
            press(Qt::Key_1 + study->session().rightChoice());
            if (told) {
                EXPECT_TRUE(label("resultLabel").startsWith("✓"));
                EXPECT_TRUE(control<QLabel>(study, "pickedLabel")->isHidden());
            }
            press(Qt::Key_E);
            press(Qt::Key_Space);
        }
    };
    answerAll(true);
    EXPECT_EQ(memory.reviews().back().rating, Rating::Easy);
    const auto summary = [study] {
        return control<QLabel>(study, "summaryLabel")->accessibleName();
    };
    EXPECT_TRUE(summary().contains("Reviewed 2, right 2, new words learned 2"));
    QTRY_COMPARE(control<QLabel>(study, "forecastToday")->text(),
                 QStringLiteral("Today: about 2 of the 2 words you have seen would be recalled; 6 "
                                "words not seen yet."));
    EXPECT_EQ(memory.reviewCount(), 2);

    // Studying more: nothing missed yet, then the six words the exam left for later days.
    click(study, "hardestButton");
    EXPECT_EQ(label("studyMoreNote"), "No word of this list has been missed yet.");
    click(study, "moreNewButton");
    EXPECT_EQ(label("planLabel"), "6 more new words, about 3 minutes");
    answerAll(false);
    EXPECT_EQ(label("progressLabel"), "6 of 6 words");
    EXPECT_TRUE(summary().contains("Reviewed 8, right 8, new words learned 8"));
    study->studyWord("W5");
    EXPECT_EQ(label("wordLabel"), "w5");

    // Another retention: the memory opens its file again with it, for every window.
    click(&window, "mnuProgress");
    click(&window, "mnuOptions");
    control<QSpinBox>(options, "retention")->setValue(85);
    click(options, "Command2(1)");
    click(&window, "mnuProgress");
    EXPECT_EQ(window.learnerMemory().scheduler().options().desiredRetention, 0.85);
    EXPECT_EQ(window.learnerMemory().reviewCount(), 8);
}

// A list of no words says so; the daily limit set in Options holds the day's new words back,
// and the plan says so: at three answers of ten seconds a new word, two fit in a minute.
TEST(StudyWindow, ThePlanSaysWhenTheListHasNoWordsOrTheDailyLimitHeldNewWordsBack)
{
    for (const auto &[count, label, told] : std::vector<std::tuple<int, const char *, QString>>{
             {1, "summaryLabel", "This dictionary has no words to study."},
             {9, "planLabel", "2 new words, about 1 minute (held to your daily limit of 1)"}}) {
        FakeServices fakes;
        Program vocabrix(fakes, numberedWords(count),
                         {{"settings/study.txt", "new_words_per_day=20\r\ndaily_minutes=1\r\n"}});
        EXPECT_EQ(labelText(opened(&vocabrix.window, "mnuStudy", "FormStudy"), label), told);
    }
}

// A young word by text completion, a mature one by typed recall and by sentence equivalence,
// each answered by keys alone as a learner who cannot use a mouse would, with the result and the
// wrong pick told in words.
TEST(StudyWindow, EachFormatIsAnsweredByKeysAndToldInWords)
{
    FakeServices fakes;
    // Sentences as long as the list's longest, so that the card must scroll at the window's size.
    Program vocabrix(
        fakes,
        verbs({"abate", "wane", "augment", "infuse", "vitiate", "modulate", "curtail", "diminish"},
              QStringLiteral(" And then the rest of a long day").repeated(6)),
        {{"XML/gre.confusables.tsv", "abate\taugment\tinfuse\tvitiate\tmodulate\r\n"
                                     "curtail\taugment\tinfuse\tvitiate\tmodulate\r\n"},
         {"XML/gre.synonyms.tsv", "# pairs\r\nabate\twane\r\ncurtail\tdiminish\r\n"},
         {"settings/study.txt", "new_words_per_day=0\r\n"}});
    learning::LearnerMemory &memory = vocabrix.window.learnerMemory();
    memory.addReviews({answered(fakes, "abate", 10, Rating::Easy),
                       answered(fakes, "curtail", 400, Rating::Easy),
                       answered(fakes, "curtail", 300, Rating::Easy)});
    auto *study = qobject_cast<FormStudy *>(opened(&vocabrix.window, "mnuStudy", "FormStudy"));
    ASSERT_TRUE(study && activated(study));
    const auto &session = study->session();
    const auto label = [study](const char *name) { return labelText(study, name); };
    using learning::StudyFormat;
    QList<StudyFormat> seen;
    // Answers the card on show wrong, takes it back, then answers it right.
    const auto answer = [&] {
        fakes.clock.time = fakes.clock.time.addSecs(5);
        const StudyFormat format = session.format();
        seen << format;
        EXPECT_FALSE(control<QLabel>(study, "wordLabel")->isVisible()) << "the word is asked";
        EXPECT_TRUE(label("questionLabel").contains("They saw it ____ at last."));
        const QList<int> right = session.rightChoices();
        int wrong = 0;
        while (right.contains(wrong))
            ++wrong;
        const QString wrongWord =
            format == StudyFormat::TypedRecall ? QString() : session.choiceWord(wrong);
        if (format == StudyFormat::TypedRecall) {
            EXPECT_EQ(QApplication::focusWidget()->objectName(), "typedAnswer");
            QTest::keyClicks(QApplication::focusWidget(), "curtial");
            press(Qt::Key_Return);
            EXPECT_EQ(label("resultLabel"), "≈ Nearly: it is spelt curtail.");
            EXPECT_TRUE(control<QAbstractButton>(study, "gradeHard")->isChecked());
        } else if (format == StudyFormat::SentenceEquivalence) {
            press(Qt::Key_1 + right[0]);
            press(Qt::Key_Return); // one of two picked: not an answer yet
            EXPECT_EQ(session.phase(), learning::StudySession::Phase::Question);
            press(Qt::Key_1 + wrong);
            EXPECT_TRUE(control<QAbstractButton>(study, "answerButton")->isEnabled());
            press(Qt::Key_Return);
            EXPECT_TRUE(label("resultLabel").startsWith("✗ Not this pair: "));
            EXPECT_TRUE(label("resultLabel").contains("curtail") &&
                        label("resultLabel").contains("diminish"));
        } else {
            press(Qt::Key_1 + wrong);
            EXPECT_TRUE(label("resultLabel").startsWith("✗ Not this one: abate is"));
        }
        EXPECT_EQ(label("pickedLabel"),
                  wrongWord.isEmpty()
                      ? QStringLiteral("You typed 'curtial': curtail")
                      : QStringLiteral("%1 is %2: to %2").arg(wrong + 1).arg(wrongWord));
        const learning::Review kept = memory.reviews().back();
        EXPECT_EQ(kept.format, learning::formatKey(format));
        EXPECT_EQ(kept.wrongPick, wrongWord.isEmpty() ? "curtial" : wrongWord);
        press(Qt::Key_Z, Qt::ControlModifier);
        if (format == StudyFormat::TypedRecall) {
            QTest::keyClicks(QApplication::focusWidget(), " Curtail ");
        } else if (format == StudyFormat::SentenceEquivalence) {
            for (int choice : right)
                toggleAsAScreenReaderDoes(study, choice);
            EXPECT_TRUE(control<QAbstractButton>(study, "answerButton")->isEnabled());
        } else {
            for (int choice : right)
                press(Qt::Key_1 + choice);
        }
        if (format != StudyFormat::TextCompletion)
            press(Qt::Key_Enter);
        EXPECT_TRUE(label("resultLabel").startsWith("✓")) << label("resultLabel").toStdString();
        // Once laid out, no wrapped line is squeezed, and the verdict is in sight.
        const auto laidOut = [study] {
            for (const char *name : {"questionLabel", "usageLabel", "meaningLabel"}) {
                const auto *shown = control<QLabel>(study, name);
                if (shown->isVisible() && shown->height() < shown->heightForWidth(shown->width()))
                    return false;
            }
            return !control<QWidget>(study, "resultLabel")->visibleRegion().isEmpty();
        };
        QTRY_VERIFY(laidOut());
        EXPECT_TRUE(control<QLabel>(study, "wordLabel")->isVisible());
        press(Qt::Key_Space);
    };
    while (session.phase() == learning::StudySession::Phase::Question && seen.size() < 3)
        answer();
    ASSERT_EQ(seen.size(), 2);
    const StudyFormat mature = seen[seen[0] == StudyFormat::TextCompletion ? 1 : 0];

    // The other format of a mature word once Options leave the first out.
    QWidget *options = opened(&vocabrix.window, "mnuOptions", "FormOptions");
    click(options,
          mature == StudyFormat::TypedRecall ? "typedRecallBox" : "sentenceEquivalenceBox");
    click(options, "Command2(1)");
    study->studyWord("curtail");
    ASSERT_TRUE(QTest::qWaitForWindowActive(study));
    answer();
    EXPECT_EQ(QSet<StudyFormat>(seen.cbegin(), seen.cend()),
              (QSet<StudyFormat>{StudyFormat::TextCompletion, StudyFormat::TypedRecall,
                                 StudyFormat::SentenceEquivalence}));
}

// A practice set taken by keys alone: nothing to practise before any study; then no result until
// the end, Back to change an answer, Esc asking before it ends the set, the score and the
// mistakes in words, and a second set that the time runs out on.
TEST(PracticeWindow, ASetIsTakenByKeysAndScoredOnlyAtTheEnd)
{
    FakeServices fakes;
    Program vocabrix(fakes, verbs({"abate", "wane", "augment", "infuse", "vitiate", "modulate"}),
                     {{"XML/gre.confusables.tsv", "abate\taugment\tinfuse\tvitiate\tmodulate\r\n"
                                                  "wane\taugment\tinfuse\tvitiate\tmodulate\r\n"},
                      {"XML/gre.synonyms.tsv", "# pairs\r\nabate\twane\r\n"}});
    FormMain &window = vocabrix.window;
    auto *form = qobject_cast<FormPractice *>(opened(&window, "mnuPractice", "FormPractice"));
    ASSERT_TRUE(form);
    const auto label = [form](const char *name) { return labelText(form, name); };
    EXPECT_EQ(label("scoreLabel"), "Nothing to practise yet");
    form->close();
    learning::LearnerMemory &memory = window.learnerMemory();
    memory.addReviews(
        {answered(fakes, "abate", 1, Rating::Good), answered(fakes, "wane", 1, Rating::Good)});

    click(&window, "mnuPractice");
    ASSERT_TRUE(activated(form));
    const learning::PracticeSet &set = form->practice();
    ASSERT_EQ(set.size(), 2);
    EXPECT_EQ(label("positionLabel"), "Question 1 of 2");
    EXPECT_FALSE(control<QWidget>(form, "backButton")->isEnabled());
    EXPECT_EQ(label("timeLabel"), "Time left: 3:00 (about 3 minutes)");
    // Every key that answers: the right ones, or a wrong one for the first of them.
    const auto answer = [&](bool right) {
        const learning::StudyCard &card = set.card(set.current());
        QList<int> picks = card.rightChoices();
        if (!right)
            picks[0] = picks.contains(0) ? (picks.contains(1) ? 2 : 1) : 0;
        for (int choice : picks)
            press(Qt::Key_1 + choice);
    };
    answer(false);
    EXPECT_EQ(label("answeredLabel"), "1 of 2 answered");
    EXPECT_FALSE(control<QLabel>(form, "scoreLabel")->isVisible()) << "no result before the end";
    press(Qt::Key_Return);
    EXPECT_EQ(label("positionLabel"), "Question 2 of 2");
    answer(true);
    pressAccessKey(Qt::Key_B);
    QTRY_COMPARE(set.current(), 0); // the click comes later on a busy machine
    // The wrong pick is still there, marked in words; it is let go and the right words picked.
    const QList<int> right = set.card(0).rightChoices();
    int wrong = 0;
    while (!set.picks(0).contains(wrong) || right.contains(wrong))
        ++wrong;
    EXPECT_TRUE(control<QWidget>(form, QStringLiteral("choice%1").arg(wrong + 1))
                    ->accessibleName()
                    .endsWith("● picked"));
    toggleAsAScreenReaderDoes(form, wrong);
    for (int choice : right)
        if (!set.picks(0).contains(choice))
            toggleAsAScreenReaderDoes(form, choice);
    EXPECT_EQ(QSet<int>(set.picks(0).cbegin(), set.picks(0).cend()),
              QSet<int>(right.cbegin(), right.cend()));
    fakes.dialogs.expectStart("End the practice set now? Your answers so far (2 of 2)",
                              platform::Answer::no);
    press(Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    pressAccessKey(Qt::Key_F);
    QTRY_COMPARE(label("scoreLabel"), QStringLiteral("2 of 2 right"));
    EXPECT_EQ(label("mistakesLabel"), "No mistakes: every answer was right.");
    EXPECT_EQ(memory.reviewCount(), 4) << "each answer once";

    // A second set: one wrong answer, then the time runs out on the other.
    pressAccessKey(Qt::Key_P);
    QTRY_VERIFY(set.phase() == learning::PracticeSet::Phase::Answering);
    answer(false);
    fakes.clock.time = fakes.clock.time.addSecs(2 * 60 + 10);
    QTRY_COMPARE(control<QLabel>(form, "timeLabel")->accessibleName(),
                 QStringLiteral("Time left: less than a minute"));
    fakes.clock.time = fakes.clock.time.addSecs(50);
    QTRY_COMPARE(label("scoreLabel"), QStringLiteral("0 of 2 right"));
    EXPECT_EQ(label("timeTakenLabel"), "The time ran out: 3:00 (3 minutes).");
    const QString mistakes = control<QLabel>(form, "mistakesLabel")->accessibleName();
    EXPECT_TRUE(mistakes.contains("Question 1: ✗ wrong. They saw it "));
    EXPECT_TRUE(mistakes.contains(QRegularExpression("You picked (\\w+): to \\1\\.")));
    EXPECT_TRUE(mistakes.contains("Question 2: ✗ not answered, the time ran out."));
    EXPECT_EQ(memory.reviewCount(), 5);

    // A set under way when the program ends keeps the answers given; the rest are open.
    pressAccessKey(Qt::Key_P);
    QTRY_VERIFY(set.phase() == learning::PracticeSet::Phase::Answering);
    answer(true);
    click(&window, "mnuexit");
    EXPECT_EQ(set.phase(), learning::PracticeSet::Phase::Finished);
    EXPECT_TRUE(label("mistakesLabel").startsWith("<p><b>Question 2: ✗ not answered<"));
    EXPECT_EQ(memory.reviewCount(), 6);
}
