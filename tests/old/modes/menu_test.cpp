// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyfixture.h"

#include "app/formmain.h"
#include "modes/formflash.h"
#include "modes/formlist.h"
#include "modes/formmemory.h"
#include "modes/memorycard.h"
#include "modglobal.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTextEdit>

using testsupport::fakerandom;

namespace {

// The study windows live for the whole run, so this one test follows them through it.
TEST_F(studyfixture, TheViewMenuOpensTheStudyWindows)
{
    loadwords(numbered(8));
    fakes.write(QStringLiteral("settings/settings.ini"),
                "0\r\nArial\r\n36\r\n0\r\nArial\r\n14\r\n0\r\nArial\r\n12\r\n255\r\nDejaVu "
                "Serif\r\n21");
    FormMain main;
    main.start();
    FormFlash &flash = forms::flash();
    EXPECT_FALSE(flash.isVisible()) << "the settings step creates the flash window hidden";
    for (QTextEdit *box : flash.Text1) {
        EXPECT_EQ(box->font().family(), "DejaVu Serif");
        EXPECT_EQ(box->palette().color(QPalette::Text), QColor(255, 0, 0));
    }

    fakes.random.script({fakerandom::forposition(6, 8)});
    main.mnuFlash->trigger();
    EXPECT_TRUE(flash.isVisible());
    EXPECT_EQ(flash.Text1[0]->toPlainText(), "w6");
    EXPECT_EQ(&forms::flash(), &flash);

    fakes.random.script({0.3f});
    for (int p = 1; p <= 8; ++p)
        fakes.random.script({fakerandom::forposition(p == 8 ? 7 : p, 8)});
    main.mnumemory->trigger();
    FormMemory &memory = forms::memory();
    EXPECT_TRUE(memory.isVisible());
    EXPECT_EQ(memory.Label1[6]->caption(), "w7");
    EXPECT_EQ(memory.Label1[15]->caption(), "m7");

    fakes.dialogs.expect(QStringLiteral("Word List Created"));
    main.mnuList->trigger();
    EXPECT_TRUE(forms::list().isVisible());
    EXPECT_TRUE(forms::list().Text1->toPlainText().startsWith(QStringLiteral("w1:  m1\n")));

    for (QWidget *window : {static_cast<QWidget *>(&flash), static_cast<QWidget *>(&memory),
                            static_cast<QWidget *>(&forms::list())})
        window->close();
}

} // namespace
