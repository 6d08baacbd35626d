// SPDX-License-Identifier: GPL-3.0-or-later
#include "formlist.h"

#include "core/dictionary.h"
#include "core/listtext.h"
#include "platform/services.h"
#include "platform/widgets/escapekey.h"
#include "platform/widgets/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace core;

namespace widgets {

FormList::FormList(const Dictionary &dictionary, platform::Services &services, QWidget *parent)
    : QMainWindow(parent), dictionary(dictionary), services(services)
{
    setObjectName(QStringLiteral("FormList"));
    setWindowTitle(tr("List View"));
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    listBox = new QPlainTextEdit;
    listBox->setObjectName(QStringLiteral("Text1"));
    listBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    listBox->setAccessibleName(tr("Word list"));
    layout->addWidget(listBox, 1);
    createActions(layout);
    setCentralWidget(central);
    resize(platform::twips(9000), platform::twips(7200));
    const auto follow = [this] {
        if (isVisible())
            listBox->setPlainText(listText(this->dictionary));
    };
    connect(&dictionary, &Dictionary::loaded, this, follow);
    connect(&dictionary, &Dictionary::entriesReplaced, this, follow);
}

FormList::~FormList() = default;

// The menu entry and the buttons below the list.
void FormList::createActions(QVBoxLayout *layout)
{
    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnufile"));
    QAction *printAction = fileMenu->addAction(tr("&print"));
    printAction->setObjectName(QStringLiteral("mnuprint"));
    connect(printAction, &QAction::triggered, this, &FormList::print);

    auto *printButton = new QPushButton(tr("&Print"));
    printButton->setObjectName(QStringLiteral("Command2(0)"));
    connect(printButton, &QPushButton::clicked, this, &FormList::print);
    auto *cancelButton = new QPushButton(tr("&Cancel"));
    cancelButton->setObjectName(QStringLiteral("Command2(1)"));
    connect(cancelButton, &QPushButton::clicked, this, &FormList::close);
    platform::cancelOnEscape(this, cancelButton);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
}

void FormList::showWordList()
{
    listBox->setPlainText(listText(dictionary));
    services.dialogs->message(tr("Word List Created"), platform::Icon::information,
                              platform::Buttons::ok);
    show();
    raise();
}

void FormList::print()
{
    if (!services.printer->printImage(this))
        services.dialogs->message(tr("Error in Printing"), platform::Icon::critical,
                                  platform::Buttons::ok);
}

// Closing discards the list; the next List Mode builds it again from the list then loaded.
void FormList::closeEvent(QCloseEvent *event)
{
    listBox->clear();
    event->accept();
}

} // namespace widgets
