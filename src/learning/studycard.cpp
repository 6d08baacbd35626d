// SPDX-License-Identifier: GPL-3.0-or-later
#include "studycard.h"

#include "newwords.h"
#include "wordkey.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

using namespace core;

namespace learning {

namespace {

bool isVowel(QChar c)
{
    return QStringLiteral("aeiou").contains(c);
}

// The regular forms English makes of a word (and a few that are not forms but read as
// them, which does no harm in a hint).
QSet<QString> regularForms(const QString &word)
{
    QSet<QString> forms{word};
    const QStringList endings{QStringLiteral("s"),   QStringLiteral("es"),  QStringLiteral("ed"),
                              QStringLiteral("d"),   QStringLiteral("ing"), QStringLiteral("er"),
                              QStringLiteral("est"), QStringLiteral("ly")};
    for (const QString &ending : endings)
        forms << word + ending;
    if (word.size() < 3)
        return forms;
    const QChar last = word.back(), beforeLast = word[word.size() - 2];
    const QString stem = word.chopped(1);
    if (last == QLatin1Char('e')) {
        for (const char *ending : {"ing", "ion", "able"})
            forms << stem + QLatin1String(ending);
    } else if (last == QLatin1Char('y') && !isVowel(beforeLast)) {
        for (const char *ending : {"ies", "ied", "ier", "iest", "ily"})
            forms << stem + QLatin1String(ending);
    } else if (!isVowel(last) && isVowel(beforeLast) && !isVowel(word[word.size() - 3]) &&
               !QStringLiteral("wxy").contains(last)) {
        // abet: abetted, abetting
        for (const char *ending : {"ed", "ing", "er", "est"})
            forms << word + last + QLatin1String(ending);
    }
    return forms;
}

} // namespace

QList<std::pair<qsizetype, qsizetype>> wordForms(const QString &sentence, const QString &word)
{
    QList<std::pair<qsizetype, qsizetype>> found;
    const QString target = word.simplified().toCaseFolded();
    if (target.isEmpty())
        return found;
    if (target.contains(QLatin1Char(' '))) { // a phrase is found as it is
        for (qsizetype at = sentence.indexOf(target, 0, Qt::CaseInsensitive); at >= 0;
             at = sentence.indexOf(target, at + target.size(), Qt::CaseInsensitive))
            found.append({at, target.size()});
        return found;
    }
    const QSet<QString> forms = regularForms(target);
    static const QRegularExpression letters(QStringLiteral("[\\p{L}\\p{M}\\p{N}'-]+"));
    for (auto it = letters.globalMatch(sentence); it.hasNext();) {
        const auto match = it.next();
        QString token = match.captured().toCaseFolded();
        qsizetype length = token.size();
        if (token.endsWith(QLatin1String("'s"))) // the storm's
            length -= 2;
        if (forms.contains(token.left(length)))
            found.append({match.capturedStart(), length});
    }
    return found;
}

QString clozeHint(const QString &sentence, const QString &word)
{
    // "a" or "an" before the blank would tell a consonant from a vowel: both are written a(n).
    static const QRegularExpression article(QStringLiteral("\\b([Aa])n?\\s+$"));
    QString hint = sentence;
    const auto forms = wordForms(sentence, word);
    for (auto it = forms.crbegin(); it != forms.crend(); ++it) {
        hint.replace(it->first, it->second, QStringLiteral("____"));
        const QRegularExpressionMatch before = article.match(QStringView(hint).left(it->first));
        if (before.hasMatch())
            hint.replace(before.capturedStart(), before.capturedLength(),
                         before.captured(1) + QStringLiteral("(n) "));
    }
    return hint;
}

QString partOfSpeech(const QString &meaning)
{
    // By hand rather than by a pattern: every meaning of a dictionary goes through here.
    const QStringView text = QStringView(meaning).trimmed();
    const qsizetype close = text.indexOf(QLatin1Char(')'));
    if (!text.startsWith(QLatin1Char('(')) || close < 2 || close > 13)
        return QString();
    return text.mid(1, close - 1).trimmed().toString().toCaseFolded();
}

QString withoutPartOfSpeech(const QString &meaning)
{
    const QStringView text = QStringView(meaning).trimmed();
    if (partOfSpeech(meaning).isEmpty())
        return text.toString();
    return text.mid(text.indexOf(QLatin1Char(')')) + 1).trimmed().toString();
}

QList<int> chooseDistractors(const QStringList &words, const QStringList &meanings, int position,
                             const QList<int> &confusable, const QList<int> &samePartOfSpeech,
                             int first, int end, const std::function<int(int)> &draw)
{
    constexpr int wanted = 4, fromConfusable = 8;
    QList<int> chosen;
    QStringList taken{meanings.value(position)};
    const QString key = wordKey(words.value(position));
    const QRegularExpression naming(
        QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(words.value(position).trimmed())),
        QRegularExpression::CaseInsensitiveOption);
    const auto fits = [&](int candidate) {
        if (candidate < first || candidate >= end || candidate == position ||
            candidate >= meanings.size() || meanings[candidate].trimmed().isEmpty())
            return false;
        for (const QString &meaning : std::as_const(taken))
            if (sameMeaning(meaning, meanings[candidate]))
                return false;
        return true;
    };
    // The confusable words were chosen for this word (discreet for discrete); any other word of
    // the list may be of its family, or have a meaning that names it.
    const auto fitsAny = [&](int candidate) {
        return fits(candidate) && !sameFamily(key, wordKey(words.value(candidate))) &&
               (key.isEmpty() || !naming.match(meanings[candidate]).hasMatch());
    };
    const auto take = [&](int candidate) {
        chosen << candidate;
        taken << meanings[candidate];
    };

    QList<int> pool;
    for (int candidate : confusable) {
        if (pool.size() == fromConfusable)
            break;
        if (fits(candidate) && !pool.contains(candidate))
            pool << candidate;
    }
    while (chosen.size() < wanted && !pool.isEmpty()) {
        const int candidate = pool.takeAt(draw(int(pool.size())));
        if (fits(candidate))
            take(candidate);
    }
    // Then random meanings of the same part of speech, then of any: a few draws, then in turn
    // from a random start so that a small or uniform dictionary still ends.
    for (const QList<int> *from : {&samePartOfSpeech, static_cast<const QList<int> *>(nullptr)}) {
        const int size = from ? int(from->size()) : end - first;
        const auto at = [&](int i) { return from ? (*from)[i] : first + i; };
        if (size <= 0)
            continue;
        for (int attempt = 0; attempt < 16 && chosen.size() < wanted; ++attempt) {
            const int candidate = at(draw(size));
            if (fitsAny(candidate))
                take(candidate);
        }
        const int start = draw(size);
        for (int i = 0; i < size && chosen.size() < wanted; ++i) {
            const int candidate = at((start + i) % size);
            if (fitsAny(candidate))
                take(candidate);
        }
    }
    return chosen;
}

Rating proposedRating(bool right, qint64 durationMs)
{
    if (!right)
        return Rating::Again;
    return durationMs <= quickAnswerMs ? Rating::Good : Rating::Hard;
}

} // namespace learning
