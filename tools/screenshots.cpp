// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every window of the program, for the README and for looking at changes:
//   vocabrix_screenshots <folder>
// Runs on the shipped data beside the executable. Message boxes are answered without being
// shown, so that nothing waits for a click.

#include "platform/services.h"
#include "platform/widgets/desktopservices.h"
#include "widgets/main/formmain.h"
#include "widgets/main/guardedapplication.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {

class quietdialogs : public platform::dialogs
{
public:
    platform::answer message(const QString &, platform::icon, platform::buttons set) override
    {
        return set == platform::buttons::yesno ? platform::answer::yes : platform::answer::ok;
    }
    std::optional<platform::fontchoice> pickfont(const platform::fontchoice &) override
    {
        return std::nullopt;
    }
    std::optional<QColor> pickcolor(const QColor &) override { return std::nullopt; }
    QString savefilename(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return QString();
    }
};

QString folder;

void save(QWidget *window, const char *name)
{
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "%s was not shown\n", name);
    QTest::qWait(100);
    const QString path = QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Opens a window from a menu entry and pictures the top-level window that came up.
void fromentry(QAction *entry, const char *name)
{
    const QWidgetList before = QApplication::topLevelWidgets();
    QList<QWidget *> visiblebefore;
    for (QWidget *window : before)
        if (window->isVisible())
            visiblebefore << window;
    entry->trigger();
    QApplication::processEvents();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !visiblebefore.contains(window) && window->isWindow()) {
            save(window, name);
            window->close();
            return;
        }
    }
    std::fprintf(stderr, "no window came up for %s\n", name);
}

} // namespace

QWidget *topwindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

void click(QWidget *window, const QString &name)
{
    if (auto *button = window->findChild<QPushButton *>(name))
        QTest::mouseClick(button, Qt::LeftButton);
}

int main(int argc, char **argv)
{
    GuardedApplication application(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    platform::DesktopServices desktop;
    quietdialogs dialogs;
    platform::Services services = desktop.services();
    services.dialogs = &dialogs;

    FormMain window(services);
    window.start();
    save(&window, "main-window");

    // Ten answers over a few words, then the score and the log.
    for (int i = 0; i < 10; ++i) {
        click(&window, QStringLiteral("Command1(%1)").arg(i % 3 == 2 ? 3 : 0));
        if (i % 2)
            click(&window, QStringLiteral("Command2(1)"));
    }
    save(&window, "main-window-answered");
    click(&window, QStringLiteral("Command3"));
    QWidget *results = topwindow("FormResults");
    save(results, "results");
    results->hide();

    for (const auto &[entry, name] :
         std::initializer_list<std::pair<const char *, const char *>>{{"mnuFlash", "flash-cards"},
                                                                      {"mnumemory", "memory-game"},
                                                                      {"mnuList", "list-mode"},
                                                                      {"mnuOptions", "options"},
                                                                      {"mnuOpen", "chooser"},
                                                                      {"mnueditxml", "editor"},
                                                                      {"mnucontents", "help"},
                                                                      {"mnuabout", "about"}})
        fromentry(window.findChild<QAction *>(QLatin1String(entry)), name);
    return 0;
}
