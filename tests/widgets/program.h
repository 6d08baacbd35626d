// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program as the window tests start it: the files an earlier start left in its folder, the
// model that reads them and the main window, and the steps a learner takes in its windows.

#include "learning/timetext.h"
#include "support/fakes.h"
#include "support/windowdriver.h"
#include "widgets/main/formmain.h"
#include "widgets/study/formstudy.h"

#include <QAccessible>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>

namespace testsupport {

// The words w0, w1, ... meaning "(v.) m0", ... used in "They w0ed.", ...
inline std::vector<entry> numberedWords(int count)
{
    std::vector<entry> words;
    for (int i = 0; i < count; ++i)
        words.push_back({QStringLiteral("w%1").arg(i), QStringLiteral("(v.) m%1").arg(i),
                         QStringLiteral("They w%1ed.").arg(i)});
    return words;
}

// Files of the program folder by their path in it.
using Files = std::vector<std::pair<QString, QByteArray>>;

// The program started on the dictionary XML/gre.xml of these words and the other files given.
struct Program
{
    Program(FakeServices &fakes, const std::vector<entry> &words, const Files &files = {})
        : fakes(written(fakes, words, files)), model(fakes), window(model, fakes)
    {
        window.start();
    }
    static FakeServices &written(FakeServices &fakes, const std::vector<entry> &words,
                                 const Files &files)
    {
        fakes.write("XML/gre.xml", flatXml(words));
        for (const auto &[path, bytes] : files)
            fakes.write(path, bytes);
        return fakes;
    }

    FakeServices &fakes;
    learning::ProgramModel model;
    widgets::FormMain window;
};

// The text a label of a window shows.
inline QString labelText(const QObject *window, const char *name)
{
    auto *label = control<QLabel>(window, QLatin1String(name));
    return label ? label->text() : QString();
}

// A window of the program by its name, if it shows.
inline QWidget *shown(const char *name)
{
    QWidget *found = topWindow(QLatin1String(name));
    return found && found->isVisible() ? found : nullptr;
}

// The window that a click on a button or a menu entry opens, once it shows; null if it does not.
inline QWidget *opened(const QObject *from, const char *entry, const char *name)
{
    click(from, QLatin1String(entry));
    EXPECT_TRUE(shown(name)) << name;
    return shown(name);
}

// Brings a window to the front, as a click on it would, and says whether it came.
inline bool activated(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// A key pressed on the control that has the focus (or the window in front, when none has it).
inline void press(int key, Qt::KeyboardModifiers with = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), Qt::Key(key), with);
}

// An access key pressed, which clicks its button after a moment.
inline void pressAccessKey(int key)
{
    press(key, Qt::AltModifier);
    QTest::qWait(150);
}

} // namespace testsupport

// The window tests name the windows and their own helpers alike.
using namespace testsupport;
using namespace widgets;
