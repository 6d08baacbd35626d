// SPDX-License-Identifier: GPL-3.0-or-later
#include "packages.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <zip.h>
#include <zstd.h>

namespace testPackages {

namespace {

const char *const tables[] = {
    "CREATE TABLE notes (id integer PRIMARY KEY, guid text NOT NULL, mid integer NOT NULL, "
    "mod integer NOT NULL, usn integer NOT NULL, tags text NOT NULL, flds text NOT NULL, "
    "sfld integer NOT NULL, csum integer NOT NULL, flags integer NOT NULL, data text NOT NULL)",
    "CREATE TABLE cards (id integer PRIMARY KEY, nid integer NOT NULL, did integer NOT NULL, "
    "ord integer NOT NULL)",
    "CREATE TABLE revlog (id integer PRIMARY KEY, cid integer NOT NULL, usn integer NOT NULL, "
    "ease integer NOT NULL, ivl integer NOT NULL, lastIvl integer NOT NULL, "
    "factor integer NOT NULL, time integer NOT NULL, type integer NOT NULL)",
    "CREATE TABLE col (id integer PRIMARY KEY, crt integer NOT NULL, mod integer NOT NULL, "
    "scm integer NOT NULL, ver integer NOT NULL, dty integer NOT NULL, usn integer NOT NULL, "
    "ls integer NOT NULL, conf text NOT NULL, models text NOT NULL, decks text NOT NULL, "
    "dconf text NOT NULL, tags text NOT NULL)",
    // Schema 18; the `name` columns get Anki's collation once the rows are in.
    "CREATE TABLE notetypes (id integer NOT NULL PRIMARY KEY, name text NOT NULL, "
    "mtime_secs integer NOT NULL, usn integer NOT NULL, config blob NOT NULL)",
    "CREATE UNIQUE INDEX idx_notetypes_name ON notetypes (name)",
    "CREATE TABLE fields (ntid integer NOT NULL, ord integer NOT NULL, name text NOT NULL, "
    "config blob NOT NULL, PRIMARY KEY (ntid, ord)) WITHOUT ROWID",
    "CREATE UNIQUE INDEX idx_fields_name_ntid ON fields (name, ntid)",
};

void exec(QSqlDatabase &database, const QString &statement, const QVariantList &values = {})
{
    QSqlQuery query(database);
    query.prepare(statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    ASSERT_TRUE(query.exec()) << statement.toStdString() << query.lastError().text().toStdString();
}

QString modelsJson(const std::vector<Notetype> &types)
{
    QJsonObject models;
    for (const auto &[id, names] : types) {
        QJsonArray fields;
        // Listed backwards: the order is the fields' `ord`, not the array's.
        for (qsizetype ord = names.size() - 1; ord >= 0; --ord)
            fields.append(QJsonObject{{"name", names[ord]}, {"ord", ord}});
        models[QString::number(id)] = QJsonObject{{"id", id}, {"name", "Basic"}, {"flds", fields}};
    }
    return QString::fromUtf8(QJsonDocument(models).toJson(QJsonDocument::Compact));
}

} // namespace

QByteArray collection(const QString &folder, Schema schema, const std::vector<Notetype> &types,
                      const std::vector<Note> &notes, const std::vector<Review> &reviews)
{
    const QString path = QDir(folder).filePath(QStringLiteral("built.sqlite"));
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        exec(db, QStringLiteral("PRAGMA journal_mode = WAL"));
        // A fixture, not the learner's data: one transaction, no waiting for the disk.
        exec(db, QStringLiteral("PRAGMA synchronous = OFF"));
        db.transaction();
        for (const char *table : tables)
            if (schema == Schema::v18 || !QByteArray(table).contains("name"))
                exec(db, QString::fromLatin1(table));
        exec(db, "INSERT INTO col VALUES (1, 0, 0, 0, ?, 0, 0, 0, '{}', ?, '{}', '{}', '{}')",
             {schema == Schema::v18 ? 18 : 11, schema == Schema::v18 ? "" : modelsJson(types)});
        for (const auto &[id, noteType, fields] : notes) {
            exec(db, "INSERT INTO notes VALUES (?, 'g', ?, 0, 0, '', ?, 0, 0, 0, '')",
                 {id, noteType, fields});
            exec(db, "INSERT INTO cards VALUES (?, ?, 1, 0)", {id + 1000, id});
        }
        for (const auto &[time, note, ease] : reviews)
            exec(db, "INSERT INTO revlog VALUES (?, ?, 0, ?, 1, 0, 2500, 3000, ?)",
                 {time, note + 1000, ease, ease == 0 ? 4 : 1});
        if (schema == Schema::v18) {
            for (const auto &[id, names] : types) {
                exec(db, "INSERT INTO notetypes VALUES (?, ?, 0, 0, x'')",
                     {id, "Type " + QString::number(id)});
                for (qsizetype ord = names.size() - 1; ord >= 0; --ord)
                    exec(db, "INSERT INTO fields VALUES (?, ?, ?, x'')", {id, ord, names[ord]});
            }
            exec(db, "PRAGMA writable_schema = ON");
            exec(db, "UPDATE sqlite_master SET sql = replace(sql, 'name text NOT NULL', "
                     "'name text NOT NULL COLLATE unicase') WHERE type = 'table'");
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(path);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QByteArray zstd(const QByteArray &bytes, bool statedSize)
{
    ZSTD_CCtx *context = ZSTD_createCCtx();
    ZSTD_CCtx_setParameter(context, ZSTD_c_contentSizeFlag, statedSize ? 1 : 0);
    QByteArray out(qsizetype(ZSTD_compressBound(size_t(bytes.size()))), Qt::Uninitialized);
    const size_t size = ZSTD_compress2(context, out.data(), size_t(out.size()), bytes.constData(),
                                       size_t(bytes.size()));
    ZSTD_freeCCtx(context);
    EXPECT_FALSE(ZSTD_isError(size));
    out.resize(qsizetype(size));
    return out;
}

QByteArray zip(const QString &folder, const Members &members)
{
    const QString path = QDir(folder).filePath(QStringLiteral("built.zip"));
    QFile::remove(path);
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE, &error);
    EXPECT_NE(archive, nullptr);
    for (const auto &[name, bytes] : members)
        zip_file_add(archive, name,
                     zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0),
                     0);
    EXPECT_EQ(zip_close(archive), 0);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace testPackages
