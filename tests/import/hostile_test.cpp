// SPDX-License-Identifier: GPL-3.0-or-later
// Binary garbage, whole or after a format's first bytes, is refused by every reader with a
// message; none crashes or hangs.

#include "packages.h"

#include <QElapsedTimer>
#include <random>

TEST(hostile, GarbageGetsAMessageFromEveryReader)
{
    std::mt19937 generator(20261206);
    const std::vector<std::pair<const char *, std::function<void(const QByteArray &)>>> readers{
        {"", [](const QByteArray &bytes) { readCsv(bytes); }},
        {"PK\x03\x04", [](const QByteArray &bytes) { readAnkiPackage(bytes); }},
        {"<?xml version=\"1.0\"?><kvtml", [](const QByteArray &bytes) { readKvtml(bytes); }}};
    for (const auto &[prefix, read] : readers) {
        for (const int size : {1, 100, 65536}) {
            QByteArray bytes(prefix);
            for (int i = 0; i < size; ++i)
                bytes.append(char(generator()));
            bytes.append('\0');
            const QString message = errorOf([&] { read(bytes); });
            EXPECT_FALSE(message.isEmpty() || message == "no error") << prefix << size;
        }
    }
}

TEST(hostile, AFileBeyondAWordListsSizeIsRefusedUnread)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("huge.csv");
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(256 * 1024 * 1024 + 1)); // sparse
    const QString refused = errorOf([&] { readCsvFile(path); });
    EXPECT_TRUE(refused.endsWith(QLatin1String("too large for a word list (256 MB).")));
}

TEST(hostile, LongFieldsOfMarkupReadInLinearTime)
{
    for (const QByteArray unit : {"<a", "&a", "[sound:", "\"\"", ",", "\n"}) {
        const QByteArray field = unit.repeated(2 * 1024 * 1024 / unit.size());
        QElapsedTimer timer;
        timer.start();
        (void)toEntries(readCsv("word,\"" + field + "\"\n").table);
        EXPECT_LT(timer.elapsed(), 5000) << unit.toStdString();
    }
}
