// Pictures of the program's windows for the README and for looking at changes:
//   vocabrix_screenshots <folder>
// Runs on the shipped data beside the executable, with a fixed sequence of random draws.

#include "app/answerbutton.h"
#include "app/formmain.h"
#include "app/guardedapplication.h"
#include "modglobal.h"
#include "results/formresults.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {

void save(QWidget *window, const QString &folder, const char *name)
{
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "window not shown\n");
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char **argv)
{
    guardedapplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    FormMain window;
    window.start();
    window.resize(window.sizeHint());
    save(&window, folder, "main-window");

    // Ten answers over a few words, then the score and the log.
    for (int i = 0; i < 10; ++i) {
        window.Command1_Click(i % 3 == 2 ? 3 : 0);
        if (i % 2)
            window.Command2_Click(1);
    }
    save(&window, folder, "main-window-answered");
    window.Command3_Click();
    save(&forms::results(), folder, "results");
    return 0;
}
