// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitstart.h"

#include "fitmath.h"
#include "fsrs.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <set>
#include <vector>

namespace learning {

namespace {

constexpr Parameters defaults = SchedulerOptions::defaultParameters;

double defaultRecall(double days, double stability)
{
    const double decay = -defaults[20];
    const double factor = fitmath::pow(0.9, 1.0 / decay) - 1.0;
    return fitmath::pow(1.0 + factor * days / stability, decay);
}

struct RecallAt
{
    double days, recall, count;
};

// The stability that best explains the share remembered after each interval, pulled a little
// towards the default: a ternary search.
double searchStability(const std::vector<RecallAt> &points, double defaultStability)
{
    const auto loss = [&](double stability) {
        double sum = std::abs(stability - defaultStability) / 16.0;
        for (const RecallAt &point : points) {
            const double p = defaultRecall(point.days, stability);
            sum -= point.count *
                   (point.recall * fitmath::log(p) + (1.0 - point.recall) * fitmath::log(1.0 - p));
        }
        return sum;
    };
    double low = leastStability, high = mostFirstStability, best = defaultStability;
    for (int round = 0; round < 1000 && high - low > std::numeric_limits<double>::epsilon();
         ++round) {
        const double a = low + (high - low) / 3.0;
        const double b = high - (high - low) / 3.0;
        if (loss(a) < loss(b))
            high = b;
        else
            low = a;
        best = (high + low) / 2.0;
    }
    return best;
}

} // namespace

TrainingSets setAsideOutliers(const FitData &data, const ItemList &items)
{
    std::map<int, std::map<int, qsizetype>> groups; // first rating, days: items
    for (qsizetype index : items) {
        const FitData::Item &item = data.items()[index];
        if (item.longTermAnswers == 1)
            ++groups[item.firstRating][item.days];
    }
    std::set<std::pair<int, int>> removed;
    for (const auto &[rating, byDays] : groups) {
        std::vector<std::pair<int, qsizetype>> sizes(byDays.begin(), byDays.end());
        // Smallest first; of equal size, shortest first.
        std::stable_sort(sizes.begin(), sizes.end(),
                         [](const auto &a, const auto &b) { return a.second < b.second; });
        qsizetype total = 0;
        for (const auto &[days, size] : sizes)
            total += size;
        const int longest = rating == 4 ? 365 : 100;
        qsizetype setAside = 0;
        for (const auto &[days, size] : sizes) {
            if (setAside + size >= std::max<qsizetype>(20, total / 20)) {
                if (size < 6 || days > longest)
                    removed.insert({rating, days});
            } else {
                setAside += size;
                removed.insert({rating, days});
            }
        }
    }
    TrainingSets sets;
    for (qsizetype index : items) {
        const FitData::Item &item = data.items()[index];
        if (removed.count({item.firstRating, item.firstLongTermDays}))
            continue;
        sets.all.push_back(index);
        if (item.longTermAnswers == 1)
            sets.firstLongTerm.push_back(index);
    }
    return sets;
}

std::array<double, 4> smoothAndFill(std::map<int, double> stability, const RatingCounts &counts)
{
    for (auto it = stability.begin(); it != stability.end();)
        it = counts.count(it->first) ? std::next(it) : stability.erase(it);
    for (const auto &[small, big] : {std::pair{1, 2}, {2, 3}, {3, 4}, {1, 3}, {2, 4}, {1, 4}}) {
        if (!stability.count(small) || !stability.count(big) || stability[small] <= stability[big])
            continue;
        if (counts.at(small) > counts.at(big))
            stability[big] = stability[small];
        else
            stability[small] = stability[big];
    }
    constexpr double w1 = 3.0 / 5.0, w2 = 3.0 / 5.0;
    std::array<std::optional<double>, 5> s{};
    for (const auto &[rating, value] : stability)
        s[rating] = value;
    const auto p = [](double base, double exponent) { return fitmath::pow(base, exponent); };
    if (stability.size() == 1) {
        const auto [rating, value] = *stability.begin();
        const double factor = value / defaults[rating - 1];
        for (int r = 1; r <= 4; ++r)
            s[r] = defaults[r - 1] * factor;
    } else if (stability.size() == 2) {
        if (s[3] && s[4]) {
            s[2] = p(*s[3], 1.0 / (1.0 - w2)) * p(*s[4], 1.0 - 1.0 / (1.0 - w2));
            s[1] = p(*s[2], 1.0 / w1) * p(*s[3], 1.0 - 1.0 / w1);
        } else if (s[2] && s[4]) {
            s[3] = p(*s[2], 1.0 - w2) * p(*s[4], w2);
            s[1] = p(*s[2], 1.0 / w1) * p(*s[3], 1.0 - 1.0 / w1);
        } else if (s[2] && s[3]) {
            s[4] = p(*s[2], 1.0 - 1.0 / w2) * p(*s[3], 1.0 / w2);
            s[1] = p(*s[2], 1.0 / w1) * p(*s[3], 1.0 - 1.0 / w1);
        } else if (s[1] && s[4]) {
            const double share = w1 / (w1 + w2 - w1 * w2);
            const double otherShare = w2 / (w1 + w2 - w1 * w2);
            s[2] = p(*s[1], share) * p(*s[4], 1.0 - share);
            s[3] = p(*s[1], 1.0 - otherShare) * p(*s[4], otherShare);
        } else if (s[1] && s[3]) {
            s[2] = p(*s[1], w1) * p(*s[3], 1.0 - w1);
            s[4] = p(*s[2], 1.0 - 1.0 / w2) * p(*s[3], 1.0 / w2);
        } else if (s[1] && s[2]) {
            s[3] = p(*s[1], 1.0 - 1.0 / (1.0 - w1)) * p(*s[2], 1.0 / (1.0 - w1));
            s[4] = p(*s[2], 1.0 - 1.0 / w2) * p(*s[3], 1.0 / w2);
        }
    } else if (stability.size() == 3) {
        if (!s[1])
            s[1] = p(*s[2], 1.0 / w1) * p(*s[3], 1.0 - 1.0 / w1);
        else if (!s[2])
            s[2] = p(*s[1], w1) * p(*s[3], 1.0 - w1);
        else if (!s[3])
            s[3] = p(*s[2], 1.0 - w2) * p(*s[4], w2);
        else if (!s[4])
            s[4] = p(*s[2], 1.0 - 1.0 / w2) * p(*s[3], 1.0 / w2);
    }
    std::array<double, 4> filled{};
    for (int r = 1; r <= 4; ++r)
        filled[r - 1] =
            std::clamp(s[r].value_or(defaults[r - 1]), leastStability, mostFirstStability);
    return filled;
}

FirstStabilities firstStabilities(const FitData &data, const ItemList &items, double averageRecall)
{
    std::map<int, std::map<int, std::pair<double, double>>> groups; // rating, days: count, kept
    for (qsizetype index : items) {
        const FitData::Item &item = data.items()[index];
        auto &[count, remembered] = groups[item.firstRating][item.days];
        count += 1;
        remembered += item.recalled;
    }
    FirstStabilities first;
    std::map<int, double> stability;
    for (const auto &[rating, byDays] : groups) {
        std::vector<RecallAt> points;
        qsizetype total = 0;
        for (const auto &[days, tally] : byDays) {
            const auto [count, remembered] = tally;
            points.push_back({double(days), (remembered + averageRecall) / (count + 1.0), count});
            total += qsizetype(count);
        }
        first.counts[rating] = total;
        stability[rating] = searchStability(points, defaults[rating - 1]);
    }
    first.stability = smoothAndFill(stability, first.counts);
    return first;
}

} // namespace learning
