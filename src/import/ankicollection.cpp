// SPDX-License-Identifier: GPL-3.0-or-later
#include "ankicollection.h"

#include "platform/error.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <algorithm>
#include <map>

namespace importer {

namespace {

[[noreturn]] void notACollection(const QString &reason)
{
    throw platform::Error(
        platform::Error::parse,
        QCoreApplication::translate("importer", "The package holds no Anki collection: %1.")
            .arg(reason));
}

// The first bytes of every SQLite database.
constexpr QByteArrayView sqliteMagic("SQLite format 3\0", 16);

// Checks the header and turns off write-ahead logging in the file (our own temporary copy),
// which a read-only connection could not otherwise open without its -shm file.
void prepareFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        notACollection(file.errorString());
    const QByteArray header = file.read(20);
    if (header.size() < 20 || !header.startsWith(sqliteMagic))
        notACollection(
            QCoreApplication::translate("importer", "the collection is not a SQLite database"));
    if (header[18] == 2 || header[19] == 2) {
        file.seek(18);
        file.write("\1\1", 2);
    }
}

// A read-only connection of its own, removed with it.
class Connection
{
public:
    explicit Connection(const QString &path) : name(QStringLiteral("vocabrix-import:") + path)
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!database.open())
            openFailure = database.lastError().text();
    }
    ~Connection()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }
    const QString &failure() const { return openFailure; }

private:
    QString name;
    QString openFailure;
};

QSqlQuery run(const QSqlDatabase &database, const QString &statement)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(statement))
        notACollection(query.lastError().text());
    return query;
}

using FieldNames = std::map<qint64, QStringList>;

// Schema 18 keeps the fields in a table. Its `name` column has Anki's own `unicase` collation,
// which plain SQLite lacks: nothing compares on it, so the rows are ordered here.
FieldNames fieldsFromTable(const QSqlDatabase &database)
{
    std::map<qint64, std::map<qint64, QString>> ordered;
    QSqlQuery query =
        run(database, QStringLiteral("SELECT ntid, ord, name FROM fields NOT INDEXED"));
    while (query.next())
        ordered[query.value(0).toLongLong()][query.value(1).toLongLong()] =
            query.value(2).toString();
    FieldNames names;
    for (const auto &[noteType, fields] : ordered)
        for (const auto &[ord, name] : fields)
            names[noteType].append(name);
    return names;
}

// The older schemas keep the note types as JSON in col.models.
FieldNames fieldsFromJson(const QSqlDatabase &database)
{
    QSqlQuery query = run(database, QStringLiteral("SELECT models FROM col"));
    if (!query.next())
        notACollection(QCoreApplication::translate("importer", "its col table is empty"));
    const QJsonObject models = QJsonDocument::fromJson(query.value(0).toByteArray()).object();
    FieldNames names;
    for (auto model = models.begin(); model != models.end(); ++model) {
        std::vector<std::pair<qint64, QString>> fields;
        for (const QJsonValue field :
             model.value().toObject().value(QLatin1String("flds")).toArray())
            fields.emplace_back(field[QLatin1String("ord")].toInteger(qint64(fields.size())),
                                field[QLatin1String("name")].toString());
        std::stable_sort(fields.begin(), fields.end());
        bool ok = false;
        const qint64 id = model.key().toLongLong(&ok);
        for (const auto &field : fields)
            names[ok ? id : model.value()[QLatin1String("id")].toInteger()].append(field.second);
    }
    return names;
}

QSet<QString> tableNames(const QSqlDatabase &database)
{
    QSet<QString> names;
    QSqlQuery query =
        run(database, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (query.next())
        names.insert(query.value(0).toString());
    return names;
}

void readReviews(const QSqlDatabase &database, const QHash<qint64, int> &rowOfNote,
                 AnkiPackage &package)
{
    // Manual reschedules (type 4, ease 0) are no answers.
    QSqlQuery query =
        run(database, QStringLiteral("SELECT revlog.id, cards.nid, revlog.ease FROM revlog "
                                     "JOIN cards ON cards.id = revlog.cid "
                                     "WHERE revlog.ease BETWEEN 1 AND 4 AND revlog.type <> 4 "
                                     "ORDER BY revlog.id"));
    while (query.next()) {
        const auto row = rowOfNote.constFind(query.value(1).toLongLong());
        if (row == rowOfNote.constEnd())
            continue;
        package.reviews.append(
            {*row, QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), QTimeZone::utc()),
             query.value(2).toInt()});
    }
}

// Where each field of a note type goes among the columns: to the column of the same name, else
// to the first column left (a deck mixing "Word, Meaning" with "Meaning, Word" lines up).
QList<int> placeFields(const QStringList &fields, const QStringList &columns)
{
    QList<int> place(fields.size(), -1);
    QList<bool> used(std::max(columns.size(), fields.size()), false);
    for (qsizetype field = 0; field < fields.size(); ++field) {
        for (qsizetype column = 0; column < columns.size(); ++column) {
            if (!used[column] && fields[field].compare(columns[column], Qt::CaseInsensitive) == 0) {
                place[field] = int(column);
                used[column] = true;
                break;
            }
        }
    }
    for (qsizetype field = 0, column = 0; field < fields.size(); ++field) {
        while (place[field] < 0 && used[column])
            ++column;
        if (place[field] < 0)
            used[column] = true, place[field] = int(column);
    }
    return place;
}

QStringList placed(const QStringList &fields, const QList<int> &place)
{
    QStringList row(std::max(fields.size(), place.size()));
    for (qsizetype field = 0; field < fields.size(); ++field) {
        const qsizetype column = field < place.size() ? place[field] : field;
        if (column >= row.size())
            row.resize(column + 1);
        row[column] = fields[field];
    }
    return row;
}

AnkiPackage readNotes(const QSqlDatabase &database, const FieldNames &fieldNames, bool withReviews)
{
    AnkiPackage package;
    QHash<qint64, int> rowOfNote;
    std::map<qint64, int> notesOfType;
    QList<qint64> typeOfRow;
    QSqlQuery query = run(database, QStringLiteral("SELECT id, mid, flds FROM notes ORDER BY id"));
    while (query.next()) {
        rowOfNote.insert(query.value(0).toLongLong(), int(package.table.rows.size()));
        typeOfRow.append(query.value(1).toLongLong());
        ++notesOfType[typeOfRow.back()];
        package.table.rows.append(query.value(2).toString().split(QChar(0x1f)));
    }
    const auto mostUsed = std::max_element(notesOfType.begin(), notesOfType.end(),
                                           [](auto a, auto b) { return a.second < b.second; });
    if (mostUsed != notesOfType.end() && fieldNames.count(mostUsed->first))
        package.table.columns = fieldNames.at(mostUsed->first);
    std::map<qint64, QList<int>> places;
    for (const auto &[type, names] : fieldNames)
        if (mostUsed != notesOfType.end() && type != mostUsed->first)
            places[type] = placeFields(names, package.table.columns);
    for (qsizetype row = 0; row < package.table.rows.size(); ++row) {
        const auto place = places.find(typeOfRow[row]);
        if (place != places.end())
            package.table.rows[row] = placed(package.table.rows[row], place->second);
    }
    package.table.columns.resize(
        std::max<qsizetype>(package.table.columns.size(), package.table.columnCount()));
    package.table.html = true;
    package.table.mapping = guessMapping(package.table.columns);
    if (withReviews)
        readReviews(database, rowOfNote, package);
    return package;
}

} // namespace

AnkiPackage readCollection(const QString &path, bool withReviews)
{
    prepareFile(path);
    const Connection connection(path);
    if (!connection.failure().isEmpty())
        notACollection(connection.failure());
    const QSqlDatabase database = connection.database();
    const QSet<QString> tables = tableNames(database);
    if (!tables.contains(QStringLiteral("notes")) || !tables.contains(QStringLiteral("col")))
        notACollection(QCoreApplication::translate("importer", "the database has no notes"));
    const bool schema18 =
        tables.contains(QStringLiteral("notetypes")) && tables.contains(QStringLiteral("fields"));
    // A collection without a history simply has no reviews to bring.
    withReviews = withReviews && tables.contains(QStringLiteral("revlog")) &&
                  tables.contains(QStringLiteral("cards"));
    return readNotes(database, schema18 ? fieldsFromTable(database) : fieldsFromJson(database),
                     withReviews);
}

} // namespace importer
