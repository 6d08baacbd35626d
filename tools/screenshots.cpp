// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every window of the program, for the README and for looking at changes:
//   vocabrix_screenshots <folder>
// Runs on the shipped data beside the executable. Message boxes are answered without being
// shown, so that nothing waits for a click.

#include "platform/services.h"
#include "platform/widgets/desktopservices.h"
#include "widgets/main/formmain.h"
#include "widgets/main/guardedapplication.h"
#include "widgets/study/formstudy.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {

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

template <typename Control> Control *control(QWidget &window, const char *name)
{
    return window.findChild<Control *>(QLatin1String(name));
}

} // namespace

int main(int argc, char **argv)
{
    GuardedApplication application(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    platform::unattendeddialogs dialogs;
    platform::DesktopServices desktop;
    platform::Services services = desktop.services();
    services.dialogs = &dialogs;

    FormMain window(services);
    window.start();
    save(&window, "main-window");

    // Ten answers over a few words, then the score and the log.
    for (int i = 0; i < 10; ++i) {
        control<QPushButton>(window, i % 3 == 2 ? "Command1(3)" : "Command1(0)")->click();
        if (i % 2)
            control<QPushButton>(window, "Command2(1)")->click();
    }
    save(&window, "main-window-answered");
    control<QPushButton>(window, "Command3")->click();
    for (QWidget *each : QApplication::topLevelWidgets()) {
        if (each->objectName() == QLatin1String("FormResults")) {
            save(each, "results");
            each->hide();
        }
    }

    // Study Today: a card with its hint, then the result of a wrong answer.
    control<QAction>(window, "mnuStudy")->trigger();
    for (QWidget *each : QApplication::topLevelWidgets()) {
        auto *study = qobject_cast<FormStudy *>(each);
        if (!study)
            continue;
        control<QPushButton>(*study, "hintButton")->click();
        save(study, "study-today");
        const int wrong = (study->session().rightChoice() + 2) % 5;
        control<QPushButton>(*study, qPrintable(QStringLiteral("choice%1").arg(wrong + 1)))
            ->click();
        save(study, "study-today-feedback");
        for (int i = 0;
             i < 200 && study->session().phase() != learning::StudySession::Phase::Finished; ++i) {
            if (study->session().phase() == learning::StudySession::Phase::Question)
                control<QPushButton>(
                    *study,
                    qPrintable(QStringLiteral("choice%1").arg(study->session().rightChoice() + 1)))
                    ->click();
            else
                control<QPushButton>(*study, "continueButton")->click();
        }
        save(study, "study-summary");
        study->hide();
    }

    for (const auto &[entry, name] :
         {std::pair{"mnuFlash", "flash-cards"}, std::pair{"mnumemory", "memory-game"},
          std::pair{"mnuList", "list-mode"}, std::pair{"mnuOptions", "options"},
          std::pair{"mnuOpen", "chooser"}, std::pair{"mnueditxml", "editor"},
          std::pair{"mnucontents", "help"}, std::pair{"mnuabout", "about"}})
        fromentry(control<QAction>(window, entry), name);
    return 0;
}
