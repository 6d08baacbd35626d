// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitdata.h"

#include <QHash>
#include <algorithm>
#include <tuple>

namespace learning {

namespace {

struct Entry
{
    const QString *word;
    Time time;
    int rating;
};

} // namespace

FitData::FitData(const QList<Review> &list) : reviews(list.size())
{
    std::vector<Entry> entries;
    entries.reserve(list.size());
    for (const Review &review : list)
        entries.push_back({&review.word, review.time, std::clamp(int(review.rating), 1, 4)});
    // Time order, and one order for answers given at the same moment, whatever order the log
    // was read in.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return std::tie(a.time, *a.word, a.rating) < std::tie(b.time, *b.word, b.rating);
    });

    // Words are numbered in the order of their first answer.
    QHash<QString, int> numbers;
    std::vector<int> wordOf(entries.size());
    std::vector<qsizetype> counts;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto found = numbers.constFind(*entries[i].word);
        if (found == numbers.constEnd()) {
            found = numbers.insert(*entries[i].word, int(numbers.size()));
            counts.push_back(0);
        }
        wordOf[i] = found.value();
        ++counts[wordOf[i]];
    }
    wordStarts.assign(counts.size() + 1, 0);
    for (std::size_t w = 0; w < counts.size(); ++w)
        wordStarts[w + 1] = wordStarts[w] + counts[w];

    std::vector<Time> times(entries.size());
    allAnswers.resize(entries.size());
    std::vector<qsizetype> next(wordStarts.begin(), wordStarts.end() - 1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const qsizetype at = next[wordOf[i]]++;
        times[at] = entries[i].time;
        allAnswers[at].rating = entries[i].rating;
    }

    for (int word = 0; word < wordCount(); ++word) {
        const qsizetype start = wordStarts[word];
        const int count = int(wordStarts[word + 1] - start);
        Item item;
        item.word = word;
        item.firstRating = allAnswers[start].rating;
        for (int position = 1; position < count; ++position) {
            Answer &answer = allAnswers[start + position];
            answer.days = int(std::chrono::floor<std::chrono::days>(times[start + position] -
                                                                    times[start + position - 1])
                                  .count());
            if (answer.days < 1)
                continue;
            if (item.longTermAnswers == 0)
                item.firstLongTermDays = answer.days;
            ++item.longTermAnswers;
            item.time = times[start + position];
            item.position = position;
            item.days = answer.days;
            item.recalled = answer.rating > 1;
            allItems.push_back(item);
            if (answer.rating == 1)
                ++item.lapses;
        }
    }
    std::sort(allItems.begin(), allItems.end(), [](const Item &a, const Item &b) {
        return std::tie(a.time, a.word, a.position) < std::tie(b.time, b.word, b.position);
    });
}

std::span<const FitData::Answer> FitData::answers(int word) const
{
    return std::span<const Answer>(allAnswers.data() + wordStarts[word],
                                   std::size_t(wordStarts[word + 1] - wordStarts[word]));
}

} // namespace learning
