// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvwriter.h"

#include "platform/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace importer {

namespace {

// Quoted when it must be, and when it starts with '#', which would read as a header line.
void appendField(QByteArray &out, const QString &field)
{
    const bool quoted = field.contains(u',') || field.contains(u'"') || field.contains(u'\n') ||
                        field.contains(u'\r') || field.startsWith(u'#');
    if (!quoted) {
        out += field.toUtf8();
        return;
    }
    out += '"';
    out += field.toUtf8().replace('"', "\"\"");
    out += '"';
}

[[noreturn]] void cannotWrite(const QString &path, const QString &reason)
{
    throw platform::Error(platform::Error::io,
                          QCoreApplication::translate("importer", "Cannot write %1: %2")
                              .arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

QByteArray csvBytes(const QList<Entry> &entries)
{
    QByteArray out("#separator:Comma\r\n#html:false\r\n#columns:Word,Meaning,Usage\r\n");
    for (const Entry &entry : entries) {
        appendField(out, entry.word);
        out += ',';
        appendField(out, entry.meaning);
        out += ',';
        appendField(out, entry.usage);
        out += "\r\n";
    }
    return out;
}

void writeCsvFile(const QString &path, const QList<Entry> &entries)
{
    // A temporary file's rename would silently replace a file marked read-only.
    const QFileInfo info(path);
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFile::WriteOwner)))
        cannotWrite(path, QCoreApplication::translate("importer", "the file is read-only"));
    const QByteArray bytes = csvBytes(entries);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        cannotWrite(path, reason);
    }
}

} // namespace importer
