// SPDX-License-Identifier: GPL-3.0-or-later
#include "formlist.h"

#include "core/listtext.h"

#include "core/dictionary.h"
#include "platform/services.h"
#include "platform/widgets/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

FormList::FormList(const Dictionary &dictionary, platform::Services &services, QWidget *parent)
    : QMainWindow(parent), dictionary(dictionary), services(services)
{
    setObjectName(QStringLiteral("FormList"));
    setWindowTitle(QStringLiteral("List View"));

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    Text1 = new QPlainTextEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setAccessibleName(QStringLiteral("Word list"));
    layout->addWidget(Text1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::array<QString, 2> captions{QStringLiteral("&Print"), QStringLiteral("&Cancel")};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QPushButton(captions[size_t(i)]);
        button->setObjectName(QStringLiteral("Command2(%1)").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        buttons->addWidget(button);
        Command2[size_t(i)] = button;
    }
    layout->addLayout(buttons);
    setCentralWidget(central);

    mnufile = menuBar()->addMenu(QStringLiteral("&File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnuprint = mnufile->addAction(QStringLiteral("&print"));
    mnuprint->setObjectName(QStringLiteral("mnuprint"));
    connect(mnuprint, &QAction::triggered, this, &FormList::mnuprint_Click);

    resize(platform::twips(9000), platform::twips(7200));
}

FormList::~FormList() = default;

void FormList::showwordlist()
{
    Text1->setPlainText(listtext(dictionary));
    services.dialogs->message(QStringLiteral("Word List Created"),
                                          platform::icon::information, platform::buttons::ok);
    show();
    raise();
}

void FormList::Command2_Click(int index)
{
    if (index == 0)
        mnuprint_Click();
    else if (index == 1)
        close();
}

void FormList::mnuprint_Click()
{
    if (!services.printer->printimage(this))
        services.dialogs->message(QStringLiteral("Error in Printing"),
                                              platform::icon::critical, platform::buttons::ok);
}

// Closing discards the list; the next List Mode builds it again from the list then loaded.
void FormList::closeEvent(QCloseEvent *event)
{
    Text1->clear();
    event->accept();
}

