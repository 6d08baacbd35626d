// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchservices.h"

#include "platform/qtservices.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <random>

namespace {

class NoLauncher : public platform::Launcher
{
public:
    bool start(const QString &, const QStringList &) override { return true; }
    bool openUrl(const QUrl &) override { return true; }
};

class NoPrinter : public platform::Printer
{
public:
    bool printImage(QWidget *) override { return true; }
};

class FolderInfo : public platform::AppInfo
{
public:
    QString programFolder() override { return folder; }
    QString title() override { return QStringLiteral("Vocabrix"); }
    platform::Version version() override { return {1, 0, 0}; }
    QString folder;
};

QString text(std::mt19937 &random, int length)
{
    static const QString letters = QString::fromUtf8("abcdefghijklmnopqrstuvwxyz     éü");
    QString result;
    result.reserve(length);
    for (int i = 0; i < length; ++i)
        result += letters[int(random() % letters.size())];
    return result;
}

} // namespace

struct BenchServices::fakes
{
    platform::UnattendedDialogs dialogs;
    NoLauncher launcher;
    NoPrinter printer;
    FolderInfo info;
    std::unique_ptr<platform::Http> http = platform::makeQtHttp();
    std::unique_ptr<platform::Clock> clock = platform::makeQtClock();
    std::unique_ptr<platform::Random> random = platform::makeQtRandom();
    std::unique_ptr<platform::Files> files = platform::makeQtFiles();
};

BenchServices::BenchServices() : own(std::make_unique<fakes>())
{
    own->info.folder = root.path();
    for (const char *folder : {"XML", "settings", "Logs"})
        QDir(root.path()).mkpath(QLatin1String(folder));
    set = {&own->dialogs,    &own->launcher,    &own->printer, own->http.get(),
           own->clock.get(), own->random.get(), &own->info,    own->files.get()};
}

BenchServices::~BenchServices() = default;

QString BenchServices::folder() const
{
    return root.path();
}

void BenchServices::writeDictionary(const QString &relative, int count) const
{
    std::mt19937 random(1500);
    QString xml = QStringLiteral("<GRE>\r\n");
    for (int i = 0; i < count; ++i) {
        xml += QStringLiteral("<word>") + text(random, 10) + QStringLiteral("</word>\r\n");
        xml += QStringLiteral("<meaning>(adj.) ") + text(random, 74) +
               QStringLiteral("</meaning>\r\n");
        xml += QStringLiteral("<usage>") + text(random, 120) + QStringLiteral("</usage>\r\n");
    }
    xml += QStringLiteral("</GRE>\r\n\r\n");
    platform::writeBytes(QDir(root.path()).filePath(relative), xml.toUtf8());
}

void BenchServices::copyShippedData() const
{
    for (const char *file : {"XML/gre.xml", "settings/settings.ini"}) {
        const QString target = QDir(root.path()).filePath(QLatin1String(file));
        QFile::remove(target);
        QFile::copy(QStringLiteral(VOCABRIX_DATA_DIR "/") + QLatin1String(file), target);
    }
}
