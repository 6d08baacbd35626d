// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvreader.h"

#include "platform/error.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace importer {

namespace {

// What Anki's header lines said.
struct AnkiHeader
{
    QChar separator;
    std::optional<bool> html;
    std::optional<QString> columns;
    std::map<int, QString> namedColumns;
    // The lines they took, and where the rows begin.
    int lines = 0;
    qsizetype bodyStart = 0;
};

QChar separatorNamed(QStringView name)
{
    static const std::array<std::pair<const char *, char16_t>, 6> names{{{"comma", u','},
                                                                         {"semicolon", u';'},
                                                                         {"tab", u'\t'},
                                                                         {"pipe", u'|'},
                                                                         {"space", u' '},
                                                                         {"colon", u':'}}};
    for (const auto &[word, character] : names)
        if (name.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
            return QChar(character);
    return name.size() == 1 ? name[0] : QChar();
}

qsizetype lineEnd(QStringView text, qsizetype from)
{
    for (qsizetype at = from; at < text.size(); ++at)
        if (text[at] == u'\n' || text[at] == u'\r')
            return at;
    return text.size();
}

qsizetype nextLine(QStringView text, qsizetype end)
{
    if (end >= text.size())
        return end;
    if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
        return end + 2;
    return end + 1;
}

void readHeaderLine(AnkiHeader &header, QStringView key, QStringView value)
{
    static const std::array<std::pair<const char *, const char *>, 4> metadata{
        {{"tags column", "Tags"},
         {"deck column", "Deck"},
         {"notetype column", "Notetype"},
         {"guid column", "GUID"}}};
    if (key.compare(QLatin1String("separator"), Qt::CaseInsensitive) == 0)
        header.separator = separatorNamed(value.trimmed());
    else if (key.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0)
        header.html = value.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    else if (key.compare(QLatin1String("columns"), Qt::CaseInsensitive) == 0)
        header.columns = value.toString();
    for (const auto &[name, column] : metadata) {
        bool ok = false;
        const int number = value.trimmed().toInt(&ok);
        if (key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0 && ok && number > 0 &&
            number <= 1000)
            header.namedColumns[number - 1] = QLatin1String(column);
    }
}

// Anki's "#key:value" lines at the top of the file.
AnkiHeader readAnkiHeader(QStringView text)
{
    AnkiHeader header;
    qsizetype at = 0;
    while (at < text.size() && text[at] == u'#') {
        const qsizetype end = lineEnd(text, at);
        const QStringView line = text.sliced(at + 1, end - at - 1);
        const qsizetype colon = line.indexOf(u':');
        const auto isKey = [](QChar c) { return c.isLetter() || c == u' '; };
        if (colon <= 0 || !std::all_of(line.begin(), line.begin() + colon, isKey))
            break;
        readHeaderLine(header, line.first(colon), line.sliced(colon + 1));
        ++header.lines;
        at = nextLine(text, end);
    }
    header.bodyStart = at;
    return header;
}

// The candidate found on most of the first lines the same number of times (outside quotes);
// ties go to tab, then comma, then semicolon.
QChar guessSeparator(QStringView text)
{
    constexpr std::array<char16_t, 3> candidates{u'\t', u',', u';'};
    std::array<std::map<int, int>, 3> histograms;
    qsizetype at = 0;
    for (int line = 0; line < 50 && at < text.size(); ++line) {
        const qsizetype end = lineEnd(text, at);
        std::array<int, 3> counts{};
        bool quoted = false;
        for (const QChar c : text.sliced(at, end - at)) {
            quoted = c == u'"' ? !quoted : quoted;
            for (size_t i = 0; i < candidates.size(); ++i)
                counts[i] += !quoted && c == candidates[i];
        }
        for (size_t i = 0; i < candidates.size(); ++i)
            if (counts[i] > 0)
                ++histograms[i][counts[i]];
        at = nextLine(text, end);
    }
    int best = 0;
    QChar chosen = u',';
    for (size_t i = 0; i < candidates.size(); ++i) {
        for (const auto &[count, lines] : histograms[i]) {
            if (lines > best) {
                best = lines;
                chosen = candidates[i];
            }
        }
    }
    return chosen;
}

struct Records
{
    QList<QStringList> rows;
    // Some quoted field held a separator, a line break or a doubled quote.
    bool quotesNeeded = false;
    // Some closing quote was followed by more text, or a quote was never closed.
    bool irregular = false;
    int unterminatedLine = 0;
};

bool isBlank(const QStringList &row)
{
    return std::all_of(row.begin(), row.end(),
                       [](const QString &field) { return field.isEmpty(); });
}

// RFC 4180, leniently: text after a closing quote is kept, a quote inside an unquoted field
// is text.
Records readQuoted(QStringView text, QChar separator, int firstLine)
{
    Records records;
    QStringList row;
    int line = firstLine;
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at <= size) {
        QString field;
        const bool quoted = at < size && text[at] == u'"';
        if (quoted) {
            const int openedOn = line;
            ++at;
            for (;;) {
                const qsizetype quote = text.indexOf(u'"', at);
                if (quote < 0) {
                    records.irregular = true;
                    records.unterminatedLine = openedOn;
                    return records;
                }
                const QStringView part = text.sliced(at, quote - at);
                line += int(part.count(u'\n') + part.count(u'\r') - part.count(u"\r\n"));
                records.quotesNeeded = records.quotesNeeded || part.contains(separator) ||
                                       part.contains(u'\n') || part.contains(u'\r');
                field += part;
                at = quote + 1;
                if (at < size && text[at] == u'"') {
                    field += u'"';
                    records.quotesNeeded = true;
                    ++at;
                    continue;
                }
                break;
            }
        }
        qsizetype end = at;
        while (end < size && text[end] != separator && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        if (end > at && quoted)
            records.irregular = true;
        field += text.sliced(at, end - at);
        row.append(std::move(field));
        if (end < size && text[end] == separator) {
            at = end + 1;
            continue;
        }
        if (!isBlank(row))
            records.rows.append(std::move(row));
        row = QStringList();
        ++line;
        at = end < size ? nextLine(text, end) : size + 1;
    }
    return records;
}

QList<QStringList> readLiteral(QStringView text, QChar separator)
{
    QList<QStringList> rows;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype end = lineEnd(text, at);
        QStringList row;
        for (const QStringView field : text.sliced(at, end - at).split(separator))
            row.append(field.toString());
        if (!isBlank(row))
            rows.append(std::move(row));
        at = nextLine(text, end);
    }
    return rows;
}

[[noreturn]] void unterminated(int line)
{
    throw platform::Error(
        platform::Error::parse,
        QCoreApplication::translate("importer", "Line %1: a quoted field has no closing quote.")
            .arg(line));
}

QList<QStringList> readRows(QStringView body, QChar separator, int firstLine, Quoting &quoting)
{
    if (quoting == Quoting::Literal)
        return readLiteral(body, separator);
    Records records = readQuoted(body, separator, firstLine);
    const bool literal = quoting == Quoting::Guess && separator == u'\t' &&
                         (!records.quotesNeeded || records.irregular) &&
                         !(records.unterminatedLine > 0 && records.quotesNeeded);
    if (literal) {
        quoting = Quoting::Literal;
        return readLiteral(body, separator);
    }
    if (records.unterminatedLine > 0)
        unterminated(records.unterminatedLine);
    quoting = Quoting::Quoted;
    return std::move(records.rows);
}

QStringList columnNames(const AnkiHeader &header, QChar separator, QList<QStringList> &rows,
                        HeaderRow headerRow, bool &tookRow)
{
    QStringList columns;
    tookRow = false;
    if (header.columns) {
        columns = header.columns->split(separator);
    } else if (!rows.isEmpty() &&
               (headerRow == HeaderRow::Present ||
                // Anki's files name their columns in the header lines, never in a row.
                (headerRow == HeaderRow::Guess && header.lines == 0 && looksLikeHeader(rows[0])))) {
        columns = rows.takeFirst();
        tookRow = true;
    }
    for (const auto &[column, name] : header.namedColumns) {
        while (columns.size() <= column)
            columns.append(QString());
        if (columns[column].trimmed().isEmpty())
            columns[column] = name;
    }
    return columns;
}

// Control characters other than tabs and line ends do not occur in word lists; a NUL, or more
// than one character in a hundred of them, marks a binary file (or UTF-16 without its mark).
void requireText(QStringView text)
{
    const QStringView sample = text.first(std::min<qsizetype>(text.size(), 1 << 16));
    qsizetype controls = 0;
    for (const QChar c : sample) {
        if (c.unicode() == 0)
            controls = sample.size();
        controls += c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
    }
    if (controls * 100 > sample.size())
        throw platform::Error(
            platform::Error::parse,
            QCoreApplication::translate("importer",
                                        "The file is not a text file: it holds binary data."));
}

} // namespace

CsvTable readCsv(const QByteArray &bytes, const CsvOptions &options)
{
    CsvTable result;
    DecodedText decoded = decodeText(bytes, options.encoding);
    result.encoding = decoded.encoding;
    const QStringView text(decoded.text);
    requireText(text);
    const AnkiHeader header = readAnkiHeader(text);
    const QStringView body = text.sliced(header.bodyStart);
    result.separator = !options.separator.isNull()  ? options.separator
                       : !header.separator.isNull() ? header.separator
                                                    : guessSeparator(body);
    result.quoting = options.quoting;
    QList<QStringList> rows = readRows(body, result.separator, header.lines + 1, result.quoting);
    result.table.columns =
        columnNames(header, result.separator, rows, options.header, result.headerRow);
    result.table.rows = std::move(rows);
    result.table.html = header.html.value_or(true);
    result.table.columns.resize(
        std::max<qsizetype>(result.table.columns.size(), result.table.columnCount()));
    result.table.mapping = guessMapping(result.table.columns);
    return result;
}

CsvTable readCsvFile(const QString &path, const CsvOptions &options)
{
    return readCsv(wordListBytes(path), options);
}

} // namespace importer
