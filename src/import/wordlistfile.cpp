// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistfile.h"

#include "kvtmlreader.h"

#include <QFileInfo>

namespace importer {

FileKind fileKind(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("apkg") || suffix == QLatin1String("colpkg"))
        return FileKind::Anki;
    if (suffix == QLatin1String("kvtml"))
        return FileKind::Kvtml;
    return FileKind::Text;
}

QList<ImportedReview> WordListFile::importedReviews(const Mapping &mapping) const
{
    return importer::importedReviews(AnkiPackage{table, reviews}, mapping);
}

WordListFile readWordListFile(const QString &path, const CsvOptions &options)
{
    WordListFile file;
    file.kind = fileKind(path);
    switch (file.kind) {
    case FileKind::Anki: {
        AnkiPackage package = readAnkiPackageFile(path, AnkiOptions{.withReviews = true});
        file.table = std::move(package.table);
        file.reviews = std::move(package.reviews);
        break;
    }
    case FileKind::Kvtml:
        file.table = readKvtmlFile(path);
        break;
    case FileKind::Text: {
        CsvTable text = readCsvFile(path, options);
        file.table = std::move(text.table);
        file.separator = text.separator;
        file.encoding = text.encoding;
        file.headerRow = text.headerRow;
        break;
    }
    }
    return file;
}

QString dictionaryName(const QString &name)
{
    QString result;
    for (const QChar c : name) {
        if (c.unicode() >= 0x20 && !QStringView(u"\\/:*?\"<>|").contains(c))
            result.append(c);
    }
    result = result.trimmed();
    while (result.startsWith(QLatin1Char('.')))
        result.remove(0, 1);
    return result.left(64).trimmed();
}

} // namespace importer
