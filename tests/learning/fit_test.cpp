// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting the memory model to the learner's answers: simulated learners whose parameters are
// known, the rules for few answers, the bounds, the same parameters from the same answers, and
// the model's arithmetic against the scheduler's.

#include "learning/fitmath.h"
#include "learning/fitstart.h"
#include "learning/parameterfit.h"
#include "learningtest.h"
#include "simulatedlearner.h"

using namespace std::chrono;

namespace {

constexpr Parameters defaults = SchedulerOptions::defaultParameters;

// The earlier four fifths of the items and the latest fifth.
std::pair<ItemList, ItemList> splitByTime(const FitData &data)
{
    const ItemList items = allItems(data);
    const auto split = items.end() - qsizetype(items.size() / 5);
    return {ItemList(items.begin(), split), ItemList(split, items.end())};
}

// Words answered twice in a sitting, then once more (every fifth wrong) `days` later.
QList<Review> pairsOfAnswers(int words, int days, int firstWord = 0)
{
    QList<Review> reviews;
    const Time start = Time(milliseconds(1704096000000));
    for (int word = firstWord; word < firstWord + words; ++word) {
        const QString key = QStringLiteral("w%1").arg(word);
        const Time first = start + minutes(word);
        const auto review = [&](Time time, Rating rating) {
            return Review{key, time, rating, "quiz", "gre.xml", 0};
        };
        reviews << review(first, Rating::Good) << review(first + hours(1), Rating::Good)
                << review(first + std::chrono::days(days), word % 5 ? Rating::Good : Rating::Again);
    }
    return reviews;
}

TEST(Fit, SimulatedLearnersArePredictedBetterAfterAFit)
{
    int better = 0;
    double fittedError = 0, defaultError = 0;
    for (int learner = 0; learner < 20; ++learner) {
        SCOPED_TRACE(learner);
        const FitData data(simulateAnswers({.parameters = unusualParameters(100 + learner),
                                            .words = 800,
                                            .days = 120,
                                            .seed = std::uint64_t(learner)}));
        const auto [earlier, later] = splitByTime(data);
        FitControl control;
        const auto fitted = fitParameters(data, earlier, 1, control);
        ASSERT_TRUE(fitted);
        EXPECT_EQ(fitted->scope, FitScope::AllParameters);
        const ParameterFigures before = measure(data, later, defaults, Weighting::Even);
        const ParameterFigures after = measure(data, later, fitted->parameters, Weighting::Even);
        better += after.logLoss < before.logLoss;
        fittedError += after.rmseBins;
        defaultError += before.rmseBins;
    }
    EXPECT_GE(better, 18) << "learners predicted better on their later answers";
    EXPECT_LE(fittedError, 0.8 * defaultError) << "calibration error of the fitted parameters";
}

TEST(Fit, FewItemsChangeLittleOrNothing)
{
    FitControl control;
    const auto fit = [&](const QList<Review> &reviews) {
        const FitData data(reviews);
        return *fitParameters(data, allItems(data), 1, control);
    };
    // Seven items: the defaults, as they were.
    const FitResult seven = fit(pairsOfAnswers(7, 3));
    EXPECT_EQ(seven.scope, FitScope::Nothing);
    EXPECT_EQ(seven.parameters, defaults);
    // Thirty items, the first answers remembered much longer than most learners do: only the
    // stabilities after a first answer move.
    const FitResult thirty = fit(pairsOfAnswers(30, 20));
    EXPECT_EQ(std::tuple(thirty.scope, thirty.items), std::tuple(FitScope::FirstAnswers, 30));
    EXPECT_GT(thirty.parameters[2], 2 * defaults[2]);
    for (int i = 1; i < 4; ++i)
        EXPECT_GE(thirty.parameters[i], thirty.parameters[i - 1]) << "ordered by rating";
    EXPECT_TRUE(std::equal(defaults.begin() + 4, defaults.end(), thirty.parameters.begin() + 4));
    // Items of intervals too rare to trust are set aside before they are counted.
    QList<Review> scattered;
    for (int days = 2; days < 12; ++days)
        scattered += pairsOfAnswers(1, days, days);
    EXPECT_EQ(fit(scattered).scope, FitScope::Nothing);
    // Only items of fewer than 64 answers before them train all the parameters: seventy words
    // answered 64 times in a sitting keep to the first answers; one older word answered twice
    // is enough to train them.
    const Time sitting = Time(milliseconds(1704096000000)) + days(30);
    QList<Review> longHistories;
    for (int word = 0; word < 70; ++word) {
        const auto review = [&](Time time) {
            return Review{QStringLiteral("long%1").arg(word), time, Rating::Good, "quiz", "", 0};
        };
        for (int answer = 0; answer < 64; ++answer)
            longHistories << review(sitting + seconds(answer));
        longHistories << review(sitting + days(2)) << review(sitting + days(5));
    }
    EXPECT_EQ(fit(longHistories).scope, FitScope::FirstAnswers);
    EXPECT_EQ(fit(pairsOfAnswers(1, 2) + longHistories).scope, FitScope::AllParameters);
}

TEST(Fit, TheSameAnswersGiveTheSameParametersToTheLastBit)
{
    QList<Review> reviews = simulateAnswers({.parameters = unusualParameters(3), .words = 200});
    FitControl control;
    const FitData data(reviews);
    const auto once = fitAndCompare(data, defaults, 1, control);
    // Read in another order, as another machine's log might be.
    std::reverse(reviews.begin(), reviews.end());
    const FitData again(reviews);
    const auto twice = fitAndCompare(again, defaults, 1, control);
    ASSERT_TRUE(once && twice);
    ASSERT_EQ(once->fitted.scope, FitScope::AllParameters);
    const auto bits = [](const auto &value) {
        return QByteArray(reinterpret_cast<const char *>(&value), sizeof value);
    };
    EXPECT_EQ(bits(once->fitted.parameters), bits(twice->fitted.parameters));
    EXPECT_EQ(bits(once->fittedFigures), bits(twice->fittedFigures));
    EXPECT_NE(once->fitted.parameters, defaults);
    // The fit is judged on the latest fifth by parameters fitted without it, never on answers
    // it was trained on.
    const auto [earlier, later] = splitByTime(data);
    const auto ahead = fitParameters(data, earlier, 1, control);
    ASSERT_TRUE(ahead);
    EXPECT_EQ(once->fittedFigures.logLoss,
              measure(data, later, ahead->parameters, Weighting::Even).logLoss);
    // Every parameter is trained, the first stabilities too, not only estimated from the
    // first answers.
    const TrainingSets sets = setAsideOutliers(data, earlier);
    double remembered = 0;
    for (const qsizetype index : sets.all)
        remembered += data.items()[index].recalled;
    const auto first = firstStabilities(data, sets.firstLongTerm, remembered / sets.all.size());
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(std::abs(ahead->parameters[i] / first.stability[i] - 1), 1e-3) << i;
}

TEST(Fit, ParametersStayWithinFsrsBounds)
{
    Parameters wild;
    for (int i = 0; i < 21; ++i)
        wild[i] = i % 2 ? 1e6 : -1e6;
    wild[3] = std::nan("");
    const Parameters low = clampParameters(wild, 1);
    // w3 is not a number: the default.
    EXPECT_EQ((std::array{low[0], low[1], low[3], low[4], low[17], low[20]}),
              (std::array{0.001, 100.0, defaults[3], 1.0, 2.0, 0.1}));
    // With several relearning steps, same-day answers after a lapse may not undo it.
    EXPECT_LT(clampParameters(defaults, 3)[17], defaults[17]);
    EXPECT_EQ(clampParameters(defaults, 1), defaults);

    // A learner who hardly forgets and one who hardly remembers, fitted with three relearning
    // steps.
    for (const double missed : {0.0, 0.9}) {
        SCOPED_TRACE(missed);
        SimulatedLearner learner{.words = 100, .days = 40, .firstMissed = missed};
        learner.parameters[20] = 0.8;
        learner.parameters[0] = learner.parameters[1] = learner.parameters[2] =
            learner.parameters[3] = missed ? 0.01 : 100.0;
        const FitData data(simulateAnswers(learner));
        FitControl control;
        const auto fitted = fitParameters(data, allItems(data), 3, control);
        ASSERT_TRUE(fitted);
        EXPECT_EQ(fitted->parameters, clampParameters(fitted->parameters, 3));
    }
}

TEST(Fit, StopsWhenAskedAndTellsHowFarItIs)
{
    const FitData data(simulateAnswers({.words = 100}));
    std::vector<int> told;
    std::atomic<bool> stop = false;
    FitControl control([&](int permille) { told.push_back(permille); }, &stop);
    ASSERT_TRUE(fitAndCompare(data, defaults, 1, control));
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), 1000);
    EXPECT_GT(told.size(), 10u);

    told.clear();
    FitControl stopping(
        [&](int permille) {
            told.push_back(permille);
            stop = permille > 100;
        },
        &stop);
    EXPECT_FALSE(fitAndCompare(data, defaults, 1, stopping));
    EXPECT_LT(told.back(), 200);
}

TEST(Fit, TheModelRemembersAsTheSchedulerDoes)
{
    // Learning steps, lapses, every rating, same-day answers and long gaps, with parameters
    // other than the defaults.
    const Parameters own = unusualParameters(11);
    const Scheduler scheduler(SchedulerOptions{.parameters = own});
    const MemoryModel model(own);
    const std::pair<int, Rating> answers[] = {
        {0, Rating::Again},          {10, Rating::Good},           {60 * 30, Rating::Hard},
        {60 * 24 * 3, Rating::Good}, {60 * 24 * 9, Rating::Again}, {60 * 24 * 9 + 10, Rating::Easy},
        {60 * 24 * 40, Rating::Good}};
    Card card;
    MemoryModel::State state{};
    Time last{};
    for (const auto &[minute, rating] : answers) {
        const Time time = Time(milliseconds(1704096000000)) + minutes(minute);
        if (card.state == CardState::New)
            state = model.first(int(rating));
        else
            model.answer(state, int(floor<days>(time - last).count()), int(rating));
        card = scheduler.review(card, rating, time);
        last = time;
        EXPECT_NEAR(state.stability, card.stability, 1e-12 * card.stability) << minute;
        EXPECT_NEAR(state.difficulty, card.difficulty, 1e-12) << minute;
    }
    EXPECT_NEAR(model.recall(state, 12), scheduler.retrievability(card, last + days(12)), 1e-14);
}

TEST(Fit, TheReferenceOptimizersTestBatchGivesItsLossAndGradient)
{
    // fsrs-rs's own test of its loss and gradient: four histories (days since the answer
    // before, rating) that take every branch of the model, each with the answer it predicts,
    // and the default parameters. Its figures, computed in single precision, to as many places.
    const std::vector<ModelAnswer> histories[] = {
        {{0, 1}, {0, 3}, {0, 1}, {0, 4}, {1, 3}, {3, 2}},
        {{0, 2}, {0, 4}, {0, 4}, {1, 3}, {3, 1}, {6, 3}},
        {{0, 3}, {0, 2}, {0, 4}, {1, 3}, {3, 3}, {6, 3}},
        {{0, 4}, {0, 4}, {1, 3}, {3, 3}, {5, 3}, {12, 4}}};
    const std::pair<int, bool> predicted[] = {{4, true}, {11, true}, {12, true}, {23, false}};
    const double expectedGradient[] = {
        -0.095688485, -0.0051607806, -0.0012249565, 0.007462064,  0.03650761, -0.082112335,
        0.0593964,    -2.1474836,    0.57626534,    -2.8751316,   0.7154875,  -0.028993709,
        0.0099172965, -0.2189217,    -0.0017800558, -0.089381434, 0.299141,   0.068104014,
        -0.011605468, -0.25398168,   0.27700496};
    const MemoryModel model(defaults);
    std::vector<MemoryModel::State> room;
    double loss = 0;
    Parameters gradient{}, slopes;
    for (int item = 0; item < 4; ++item) {
        const auto [days, recalled] = predicted[item];
        const double p = model.recallGradient(histories[item], days, slopes, room);
        loss -= std::log(recalled ? p : 1 - p);
        for (int i = 0; i < 21; ++i)
            gradient[i] += (recalled ? -1 / p : 1 / (1 - p)) * slopes[i];
    }
    EXPECT_NEAR(loss, 4.0466027, 1e-5);
    for (int i = 0; i < 21; ++i)
        EXPECT_NEAR(gradient[i], expectedGradient[i], 1e-5 * std::max(1.0, std::abs(gradient[i])))
            << i;
}

TEST(Fit, TheGradientIsTheSlopeOfTheRecall)
{
    // Against central differences, for learners of other parameters and answers of every kind.
    std::mt19937_64 generator(17);
    for (int learner = 0; learner < 6; ++learner) {
        const Parameters own = unusualParameters(40 + learner);
        std::vector<ModelAnswer> answers{{0, 1 + int(generator() % 4)}};
        for (int i = 0; i < 12; ++i)
            answers.push_back(
                {int(generator() % 3) * int(generator() % 9), 1 + int(generator() % 4)});
        Parameters slopes;
        std::vector<MemoryModel::State> room;
        MemoryModel(own).recallGradient(answers, 9, slopes, room);
        const auto recallWith = [&](const Parameters &w) {
            const MemoryModel model(w);
            auto state = model.first(answers[0].rating);
            for (std::size_t i = 1; i < answers.size(); ++i)
                model.answer(state, answers[i].days, answers[i].rating);
            return model.recall(state, 9);
        };
        for (int i = 0; i < 21; ++i) {
            Parameters up = own, down = own;
            const double step = 1e-6 * std::max(1.0, std::abs(own[i]));
            up[i] += step;
            down[i] -= step;
            EXPECT_NEAR(slopes[i], (recallWith(up) - recallWith(down)) / (2 * step), 1e-6)
                << "learner " << learner << ", w" << i;
        }
    }
}

TEST(Fit, OwnExpAndLogAgreeWithTheLibrary)
{
    for (double x = -700; x < 700; x += 0.37)
        EXPECT_NEAR(fitmath::exp(x), std::exp(x), 4e-16 * std::exp(x)) << x;
    for (double x = 1e-300; x < 1e300; x *= 1.9)
        EXPECT_NEAR(fitmath::log(x), std::log(x), 4e-16 * std::abs(std::log(x)) + 1e-300) << x;
    EXPECT_EQ(fitmath::log(1.0), 0.0);
    for (double x = 0; x <= 3.14159265358979; x += 0.01)
        EXPECT_NEAR(fitmath::cos(x), std::cos(x), 4e-16) << x;
}

} // namespace
