// SPDX-License-Identifier: GPL-3.0-or-later
// The platform as a desktop program has it: message boxes and pickers, HTTP, printing and speech
// from modules loaded when first used, and the implementations that need no window.

#include "desktopservices.h"

#include "platform/espeakphonetics.h"
#include "platform/modules.h"
#include "platform/qtservices.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace platform {

namespace {

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QString title) : title(std::move(title)) {}

    Answer message(const QString &text, Icon kind, Buttons set) override
    {
        QMessageBox box(dialogParent());
        box.setWindowTitle(title);
        box.setText(text);
        box.setIcon(toqt(kind));
        switch (set) {
        case Buttons::ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::okCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Buttons::yesno:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::ok;
        case QMessageBox::Yes:
            return Answer::yes;
        case QMessageBox::No:
            return Answer::no;
        default:
            return set == Buttons::yesno ? Answer::no : Answer::cancel;
        }
    }

    std::optional<FontChoice> pickFont(const FontChoice &start) override
    {
        bool ok = false;
        QFont initial(start.name);
        if (start.size > 0)
            initial.setPointSizeF(start.size);
        const QFont chosen = QFontDialog::getFont(&ok, initial, dialogParent(), QString(),
                                                  QFontDialog::ScalableFonts);
        if (!ok)
            return std::nullopt;
        return FontChoice{chosen.family(), chosen.pointSizeF()};
    }

    std::optional<QColor> pickColor(const QColor &start) override
    {
        const QColor chosen = QColorDialog::getColor(start, dialogParent());
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }

    QString saveFileName(const QString &title, const QString &filter, const QString &filename,
                         const QString &folder) override
    {
        return QFileDialog::getSaveFileName(dialogParent(), title, QDir(folder).filePath(filename),
                                            filter);
    }

    QString openFileName(const QString &title, const QString &filter,
                         const QString &folder) override
    {
        return QFileDialog::getOpenFileName(dialogParent(), title, folder, filter);
    }

private:
    static QMessageBox::Icon toqt(Icon kind)
    {
        switch (kind) {
        case Icon::critical:
            return QMessageBox::Critical;
        case Icon::question:
            return QMessageBox::Question;
        case Icon::exclamation:
            return QMessageBox::Warning;
        case Icon::information:
            return QMessageBox::Information;
        case Icon::none:
            break;
        }
        return QMessageBox::NoIcon;
    }

    QString title;
};

} // namespace

DesktopServices::DesktopServices()
    : launcherService(makeQtLauncher()), httpService(makeDeferredHttp()),
      clockService(makeQtClock()), randomService(makeQtRandom()), appInfoService(makeQtAppInfo()),
      filesService(makeQtFiles()),
      dialogsService(std::make_unique<QtDialogs>(appInfoService->title())),
      printerService(makeDeferredPrinter()), speakerService(makeDeferredSpeaker()),
      phoneticsService(makeEspeakPhonetics())
{
    set = {dialogsService.get(), launcherService.get(), printerService.get(), httpService.get(),
           clockService.get(),   randomService.get(),   appInfoService.get(), filesService.get()};
    set.speaker = speakerService.get();
    set.phonetics = phoneticsService.get();
}

DesktopServices::~DesktopServices() = default;

} // namespace platform
