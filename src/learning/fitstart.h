// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitdata.h"

#include <array>
#include <map>

// Where a fit starts, as the reference optimizer starts: the items it trains on, and the
// stabilities after a first answer.
namespace learning {

constexpr double leastStability = 0.001, mostFirstStability = 100.0;

struct TrainingSets
{
    ItemList firstLongTerm; // items that are a word's first answer a day or more after another
    ItemList all;           // every item kept, in time order
};

// Sets aside the rarest intervals after a first answer (up to a twentieth, at least 20 items,
// of those after each first rating) and those too long or seen fewer than six times, with every
// item of the words they begin.
TrainingSets setAsideOutliers(const FitData &data, const ItemList &items);

using RatingCounts = std::map<int, qsizetype>;

struct FirstStabilities
{
    std::array<double, 4> stability{};
    RatingCounts counts; // items by first rating
};

// The stability after each first rating, from the items that are a word's first answer a day or
// more later: the share remembered after each interval, smoothed towards the learner's share
// overall.
FirstStabilities firstStabilities(const FitData &data, const ItemList &items, double averageRecall);

// Stabilities by rating, in the order of the ratings, and those of ratings never given first
// (absent from counts) from the others by the reference's interpolation; within
// [leastStability, mostFirstStability].
std::array<double, 4> smoothAndFill(std::map<int, double> stability, const RatingCounts &counts);

} // namespace learning
