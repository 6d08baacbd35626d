// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzsupport.h"

#include "platform/services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

namespace {

class FolderInfo : public platform::AppInfo
{
public:
    QString programFolder() override { return folder.path(); }
    QString title() override { return QStringLiteral("Vocabrix"); }
    platform::Version version() override { return {1, 0, 0}; }

    QTemporaryDir folder;
};

} // namespace

QString setup()
{
    // One folder for the whole run: a fuzzer calls the target millions of times.
    static FolderInfo *info = [] {
        auto *created = new FolderInfo;
        if (!created->folder.isValid())
            violated("a temporary program folder can be made");
        QDir(created->folder.path()).mkpath(QStringLiteral("XML"));
        QDir(created->folder.path()).mkpath(QStringLiteral("settings"));
        return created;
    }();
    return info->programFolder();
}

void writeFile(const QString &relative, const QByteArray &content)
{
    QFile file(QDir(setup()).filePath(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        violated("the input can be written to the program folder");
}

QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

void violated(const char *property)
{
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

} // namespace fuzzing
