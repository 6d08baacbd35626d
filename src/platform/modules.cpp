// SPDX-License-Identifier: GPL-3.0-or-later
#include "modules.h"

#include "error.h"
#include "speaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace platform {

namespace {

class DeferredHttp : public Http
{
public:
    HttpResponse get(const QUrl &address, int timeoutMs, qint64 maxBytes) override
    {
        if (!loaded) {
            try {
                using Maker = Http *(*)();
                loaded.reset(reinterpret_cast<Maker>(
                    moduleFunction(QStringLiteral("vocabrix_http"), "vocabrixMakeHttp"))());
            } catch (const platform::Error &failure) {
                HttpResponse response;
                response.error = failure.message();
                return response;
            }
        }
        return loaded->get(address, timeoutMs, maxBytes);
    }

private:
    std::unique_ptr<Http> loaded;
};

class DeferredPrinter : public Printer
{
public:
    bool printImage(QWidget *window) override
    {
        if (!loaded) {
            try {
                using Maker = Printer *(*)();
                loaded.reset(reinterpret_cast<Maker>(
                    moduleFunction(QStringLiteral("vocabrix_print"), "vocabrixMakePrinter"))());
            } catch (const platform::Error &failure) {
                qWarning("%s", qPrintable(failure.message()));
                return false;
            }
        }
        return loaded->printImage(window);
    }

private:
    std::unique_ptr<Printer> loaded;
};

// Speech whose engine is loaded with its module on the first use; a module that cannot be
// loaded makes speech unavailable, with the reason.
class DeferredSpeaker : public Speaker
{
public:
    State availability() override
    {
        if (loaded)
            return loaded->availability();
        return failure.isEmpty() ? State::unknown : State::unavailable;
    }
    QString reason() override { return loaded ? loaded->reason() : failure; }
    void prepare() override
    {
        if (load())
            loaded->prepare();
    }
    QStringList voices() override { return loaded ? loaded->voices() : QStringList(); }
    QString defaultVoice() override { return loaded ? loaded->defaultVoice() : QString(); }
    void say(const QString &text, const QString &voice, double rate) override
    {
        if (load())
            loaded->say(text, voice, rate);
    }
    void stop() override
    {
        if (loaded)
            loaded->stop();
    }

private:
    bool load()
    {
        if (loaded || !failure.isEmpty())
            return bool(loaded);
        try {
            using Maker = Speaker *(*)();
            loaded.reset(reinterpret_cast<Maker>(
                moduleFunction(QStringLiteral("vocabrix_speech"), "vocabrixMakeSpeaker"))());
            loaded->changed = [this] {
                if (changed)
                    changed();
            };
        } catch (const platform::Error &failed) {
            failure = failed.message() + QLatin1Char(' ') + speechPackages();
            if (changed)
                changed();
        }
        return bool(loaded);
    }

    std::unique_ptr<Speaker> loaded;
    QString failure;
};

} // namespace

QStringList moduleFolders()
{
    const QDir executable(QCoreApplication::applicationDirPath());
    return {executable.filePath(QStringLiteral("lib")),
            QDir::cleanPath(executable.filePath(QStringLiteral(VOCABRIX_MODULE_DIR)))};
}

QFunctionPointer moduleFunction(const QString &module, const char *function,
                                const QStringList &folders)
{
    QString why;
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(module + QStringLiteral(".so"));
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        if (library.load()) {
            if (QFunctionPointer found = library.resolve(function))
                return found;
        }
        why = library.errorString();
    }
    if (why.isEmpty())
        why = QCoreApplication::translate("platform", "it is in none of %1")
                  .arg(folders.join(QStringLiteral(", ")));
    throw platform::Error(
        platform::Error::io,
        QCoreApplication::translate("platform", "The program's module %1 cannot be used: %2")
            .arg(module, why));
}

std::unique_ptr<Http> makeDeferredHttp()
{
    return std::make_unique<DeferredHttp>();
}

std::unique_ptr<Speaker> makeDeferredSpeaker()
{
    return std::make_unique<DeferredSpeaker>();
}

std::unique_ptr<Printer> makeDeferredPrinter()
{
    return std::make_unique<DeferredPrinter>();
}

} // namespace platform
