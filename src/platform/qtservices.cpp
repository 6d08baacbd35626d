// SPDX-License-Identifier: GPL-3.0-or-later
// The production implementations of the platform interfaces.

#include "services.h"

#include "programfolder.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <memory>
#include <random>

namespace platform {

namespace {

QWidget *dialogparent()
{
    return QApplication::activeWindow();
}

class qtdialogs : public dialogs
{
public:
    answer message(const QString &text, icon kind, buttons set) override
    {
        QMessageBox box(dialogparent());
        box.setWindowTitle(services().appinfo->title());
        box.setText(text);
        box.setIcon(toqt(kind));
        switch (set) {
        case buttons::ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case buttons::okcancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case buttons::yesno:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok:
            return answer::ok;
        case QMessageBox::Yes:
            return answer::yes;
        case QMessageBox::No:
            return answer::no;
        default:
            return set == buttons::yesno ? answer::no : answer::cancel;
        }
    }

    std::optional<fontchoice> pickfont(const fontchoice &start) override
    {
        bool ok = false;
        QFont initial(start.name);
        if (start.size > 0)
            initial.setPointSizeF(start.size);
        const QFont chosen = QFontDialog::getFont(&ok, initial, dialogparent(), QString(),
                                                  QFontDialog::ScalableFonts);
        if (!ok)
            return std::nullopt;
        return fontchoice{chosen.family(), chosen.pointSizeF()};
    }

    std::optional<QColor> pickcolor(const QColor &start) override
    {
        const QColor chosen = QColorDialog::getColor(start, dialogparent());
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }

    QString savefilename(const QString &title, const QString &filter, const QString &filename,
                         const QString &folder) override
    {
        return QFileDialog::getSaveFileName(dialogparent(), title, QDir(folder).filePath(filename),
                                            filter);
    }

private:
    static QMessageBox::Icon toqt(icon kind)
    {
        switch (kind) {
        case icon::critical:
            return QMessageBox::Critical;
        case icon::question:
            return QMessageBox::Question;
        case icon::exclamation:
            return QMessageBox::Warning;
        case icon::information:
            return QMessageBox::Information;
        case icon::none:
            break;
        }
        return QMessageBox::NoIcon;
    }
};

class qtlauncher : public launcher
{
public:
    bool start(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }

    bool openurl(const QUrl &address) override { return QDesktopServices::openUrl(address); }
};

class qtprinter : public printer
{
public:
    bool printimage(QWidget *window) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull() || !window)
            return false;
        QPrinter device(info, QPrinter::HighResolution);
        return paintwindowimage(window, device);
    }
};

class qthttp : public http
{
public:
    httpresponse get(const QUrl &address, int timeoutms, qint64 maxbytes) override
    {
        // The request runs on a thread of its own while this one waits, so that no click or
        // timer of the program is handled in between.
        httpresponse response;
        std::unique_ptr<QThread> worker(
            QThread::create([&] { response = fetch(address, timeoutms, maxbytes); }));
        worker->start();
        worker->wait();
        return response;
    }

private:
    static httpresponse fetch(const QUrl &address, int timeoutms, qint64 maxbytes)
    {
        QNetworkAccessManager manager;
        QNetworkRequest request(address);
        request.setTransferTimeout(timeoutms);
        request.setMaximumRedirectsAllowed(5);
        // An HTTPS address is never followed to plain HTTP; certificate errors are never
        // ignored, so they end the request with an error.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        QNetworkReply *reply = manager.get(request);
        bool toolarge = false;
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(
            reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
                // A compressed body is counted as it arrives; what it unpacks to is what takes
                // the memory.
                if (received > maxbytes || total > maxbytes || reply->bytesAvailable() > maxbytes) {
                    toolarge = true;
                    reply->abort();
                }
            });
        // The transfer time-out covers a stalled transfer; this covers a slow one.
        QTimer::singleShot(timeoutms, reply, &QNetworkReply::abort);
        if (!reply->isFinished())
            loop.exec();
        httpresponse response;
        response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // An aborted reply is closed: it has no body to give.
        response.body = toolarge || !reply->isOpen() ? QByteArray() : reply->readAll();
        if (toolarge)
            response.error = QStringLiteral("The response is larger than %1 bytes.").arg(maxbytes);
        else if (reply->error() != QNetworkReply::NoError)
            response.error = reply->errorString();
        delete reply;
        return response;
    }
};

class qtclock : public clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

class qtrandom : public random
{
public:
    qtrandom() { randomize(); }

    void randomize() override
    {
        const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
        generator.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
    }

    float rnd() override
    {
        // 24 random bits make every float in [0, 1) with that spacing equally likely, and
        // never 1.
        return float(generator() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 generator;
};

class qtappinfo : public appinfo
{
public:
    QString programfolder() override
    {
        if (folder.isEmpty())
            folder = locate();
        return folder;
    }

    QString title() override { return QStringLiteral("Vocabrix"); }

    platform::version version() override
    {
        return {VOCABRIX_VERSION_MAJOR, VOCABRIX_VERSION_MINOR, VOCABRIX_VERSION_PATCH};
    }

private:
    static QString locate()
    {
        const QString executablefolder = QCoreApplication::applicationDirPath();
        return platform::findprogramfolder(
            executablefolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            QDir(executablefolder).filePath(QStringLiteral("../share/vocabrix")));
    }

    QString folder;
};

serviceset &current()
{
    static qtdialogs dialogs;
    static qtlauncher launcher;
    static qtprinter printer;
    static qthttp http;
    static qtclock clock;
    static qtrandom random;
    static qtappinfo appinfo;
    static serviceset set{&dialogs, &launcher, &printer, &http, &clock, &random, &appinfo};
    return set;
}

} // namespace

bool paintwindowimage(QWidget *window, QPrinter &device)
{
    const QPixmap image = window->grab();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}

serviceset &services()
{
    return current();
}

serviceset install(const serviceset &replacement)
{
    const serviceset previous = current();
    current() = replacement;
    return previous;
}

} // namespace platform
