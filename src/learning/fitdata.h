// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitmodel.h"
#include "review.h"

#include <QList>
#include <span>
#include <vector>

namespace learning {

// The learner's answers as the memory model is fitted to them: each word's answers in time
// order, and the items, the answers the model predicts. An item is an answer given at least a
// whole day after the word's answer before it (fewer than 24 hours is the same day, as the
// scheduler counts), predicted from all the word's answers before it; answers on the same day
// are part of the history (they move stability by the short-term formula) but predict nothing,
// as in the reference optimizer.
class FitData
{
public:
    // Days since the word's answer before (0 for its first), and the rating.
    using Answer = ModelAnswer;

    struct Item
    {
        Time time{};
        int word = 0;
        int position = 0; // of the answer predicted among the word's answers (1 or more)
        int days = 0;     // since the answer before (1 or more)
        bool recalled = false;
        int firstRating = 3;
        int firstLongTermDays = 0; // of the word's first answer a day or more after another
        int longTermAnswers = 0;   // answers a day or more after another, this one included
        int lapses = 0;            // of those before this one, the ones answered Again
    };

    explicit FitData(const QList<Review> &reviews);

    qsizetype reviewCount() const { return reviews; }
    // In time order (ties by word and position).
    const std::vector<Item> &items() const { return allItems; }
    std::span<const Answer> answers(int word) const;
    int wordCount() const { return int(wordStarts.size()) - 1; }

private:
    qsizetype reviews = 0;
    std::vector<Answer> allAnswers;
    std::vector<qsizetype> wordStarts; // word w's answers are [wordStarts[w], wordStarts[w + 1])
    std::vector<Item> allItems;
};

// Indices into FitData::items(), in time order.
using ItemList = std::vector<qsizetype>;

} // namespace learning
