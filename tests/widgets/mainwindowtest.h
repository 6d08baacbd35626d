// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A main window over a six-word dictionary in a program folder of its own, for the tests of
// the main window and of the windows it opens.

#include "support/fakes.h"
#include "support/windowdriver.h"
#include "widgets/main/formmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class mainwindow : public ::testing::Test
{
protected:
    inline static const std::vector<testsupport::entry> sample{
        {"abate", "(v.) to lessen", "The storm abated."},
        {"belie", "(v.) to contradict", "(b)Her smile belied her fear.(b)"},
        {"cogent", "(adj.) convincing", "A cogent case."},
        {"dearth", "(n.) a scarcity", "A dearth of rain."},
        {"ebullient", "(adj.) full of energy", "An ebullient crowd."},
        {"feckless", "(adj.) lacking purpose", "A feckless plan."}};
    inline static const QString loadfailure =
        QStringLiteral(" There was an error in loading the XML dictionary");

    // The random values that draw position p of the sample and layout r.
    static float at(int p) { return testsupport::fakerandom::forposition(p, int(sample.size())); }
    static float layout(int r) { return (float(r) - 0.5f) / 100.0f; }

    mainwindow()
    {
        fakes.write("XML/gre.xml", testsupport::flatxml(sample));
        fakes.write("settings/settings.ini", testsupport::defaultsettings());
    }
    // Starts at a position, the other four choices drawn from positions 2 to 5.
    void start(int position = 1)
    {
        fakes.random.script({at(position), at(2), at(3), at(4), at(5)});
        window.start();
    }
    // Flash (0), Next (1) or Previous (2): Flash's own draws, four choices, then layout 10.
    void move(int index, std::initializer_list<float> first = {})
    {
        fakes.random.script(first);
        fakes.random.script({at(1), at(2), at(4), at(5), layout(10)});
        testsupport::click(&window, QStringLiteral("Command2(%1)").arg(index));
    }
    static QString text(const QObject &shown, const char *name)
    {
        if (auto *box = shown.findChild<QLineEdit *>(QLatin1String(name)))
            return box->text();
        return testsupport::control<QLabel>(&shown, QLatin1String(name))->text();
    }
    static QStringList captions(const QObject &shown)
    {
        QStringList result;
        for (int i = 0; i < 5; ++i)
            result << testsupport::control<QPushButton>(&shown,
                                                        QStringLiteral("Command1(%1)").arg(i))
                          ->text();
        return result;
    }

    testsupport::fakeservices fakes;
    FormMain window{fakes};
};
