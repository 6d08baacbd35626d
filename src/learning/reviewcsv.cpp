// SPDX-License-Identifier: GPL-3.0-or-later
#include "reviewcsv.h"

#include "platform/error.h"
#include "timetext.h"
#include "wordkey.h"

#include <QCoreApplication>
#include <QStringDecoder>

using namespace core;

namespace learning {

namespace {

const QStringList columns{QStringLiteral("word"),       QStringLiteral("reviewed_at"),
                          QStringLiteral("rating"),     QStringLiteral("source"),
                          QStringLiteral("dictionary"), QStringLiteral("duration_ms"),
                          QStringLiteral("format"),     QStringLiteral("wrong_pick")};
enum Column {
    WordColumn,
    TimeColumn,
    RatingColumn,
    SourceColumn,
    DictionaryColumn,
    DurationColumn,
    FormatColumn,
    WrongPickColumn
};

QString quoted(const QString &field)
{
    static const QString special = QStringLiteral(",\"\r\n");
    const bool needsQuotes =
        std::any_of(field.begin(), field.end(), [](QChar c) { return special.contains(c); }) ||
        field != field.trimmed();
    if (!needsQuotes)
        return field;
    QString text = field;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

[[noreturn]] void fail(int line, const QString &why)
{
    throw platform::Error(
        platform::Error::parse,
        QCoreApplication::translate("learning", "Line %1 of the progress file: %2")
            .arg(line)
            .arg(why));
}

// RFC 4180 records: fields split at commas, quotes around fields that hold commas, quotes or
// line breaks. Each record carries the line it starts on.
struct Record
{
    int line;
    QStringList fields;
};

QList<Record> records(const QString &text)
{
    QList<Record> result;
    Record current{1, {}};
    QString field;
    bool inQuotes = false;
    int line = 1;
    const auto endRecord = [&] {
        current.fields << field;
        field.clear();
        if (current.fields.size() > 1 || !current.fields.front().isEmpty())
            result << current;
        current = Record{line, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n'))
            ++line;
        if (inQuotes) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else if (c == QLatin1Char('"'))
                inQuotes = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            current.fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            endRecord();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (inQuotes)
        fail(current.line, QCoreApplication::translate("learning", "a quote is not closed."));
    endRecord();
    return result;
}

Review reviewFrom(const Record &record, const QList<int> &at)
{
    const auto field = [&](Column column) {
        const int index = at[column];
        return index >= 0 && index < record.fields.size() ? record.fields[index].trimmed()
                                                          : QString();
    };
    Review review;
    review.word = wordKey(field(WordColumn));
    if (review.word.isEmpty())
        fail(record.line, QCoreApplication::translate("learning", "the word is empty."));
    const auto time = parseAnyTimeText(field(TimeColumn));
    if (!time)
        fail(record.line, QCoreApplication::translate("learning", "\"%1\" is not a time.")
                              .arg(field(TimeColumn)));
    review.time = *time;
    bool ok = false;
    const int rating = field(RatingColumn).toInt(&ok);
    if (!ok || rating < 1 || rating > 4)
        fail(record.line, QCoreApplication::translate("learning", "the rating is not 1 to 4."));
    review.rating = Rating(rating);
    review.source = field(SourceColumn);
    if (review.source.isEmpty())
        review.source = QStringLiteral("import");
    review.dictionary = field(DictionaryColumn);
    const QString duration = field(DurationColumn);
    review.durationMs = duration.isEmpty() ? 0 : duration.toLongLong(&ok);
    if (!duration.isEmpty() && (!ok || review.durationMs < 0))
        fail(record.line, QCoreApplication::translate("learning", "the duration is not a number."));
    // A file written before the formats has neither: its answers were asked by meaning.
    if (const QString format = field(FormatColumn); !format.isEmpty())
        review.format = format;
    review.wrongPick = field(WrongPickColumn);
    return review;
}

} // namespace

QByteArray reviewsToCsv(const QList<Review> &reviews)
{
    QString text = columns.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const Review &review : reviews) {
        text += quoted(review.word) + QLatin1Char(',') + timeText(review.time) + QLatin1Char(',') +
                QString::number(int(review.rating)) + QLatin1Char(',') + quoted(review.source) +
                QLatin1Char(',') + quoted(review.dictionary) + QLatin1Char(',') +
                QString::number(review.durationMs) + QLatin1Char(',') + quoted(review.format) +
                QLatin1Char(',') + quoted(review.wrongPick) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

QList<Review> reviewsFromCsv(const QByteArray &data)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(data);
    if (decoder.hasError())
        fail(1, QCoreApplication::translate("learning", "the file is not UTF-8 text."));
    const QList<Record> all = records(text);
    if (all.isEmpty())
        return {};
    QList<int> at;
    QStringList header;
    for (const QString &name : all.front().fields)
        header << name.trimmed().toLower();
    for (const QString &column : columns)
        at << header.indexOf(column);
    if (at[WordColumn] < 0 || at[TimeColumn] < 0 || at[RatingColumn] < 0)
        fail(1, QCoreApplication::translate(
                    "learning", "the header must name the columns word, reviewed_at and rating."));
    QList<Review> reviews;
    reviews.reserve(all.size() - 1);
    for (qsizetype i = 1; i < all.size(); ++i)
        reviews << reviewFrom(all[i], at);
    return reviews;
}

} // namespace learning
