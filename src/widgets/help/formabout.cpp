// SPDX-License-Identifier: GPL-3.0-or-later
#include "formabout.h"

#include "platform/services.h"
#include "platform/widgets/appicon.h"
#include "platform/widgets/escapekey.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString description = QStringLiteral(
    "Vocabrix helps you build the vocabulary asked in the GRE, GMAT, SAT and TOEFL "
    "examinations: answer a quiz of meanings, study with flash cards, pair words with their "
    "meanings in a memory game, and print the whole list to take with you.");

const QString notices = QStringLiteral(
    "<b>Notices</b><br>"
    "Vocabrix is free software: you can redistribute it and/or modify it under the terms of "
    "the GNU General Public License, version 3 or (at your option) any later version. It comes "
    "with no warranty. The licence is in the file COPYING.<br>"
    "Word list: the meanings and many usage examples of the dictionary that comes with the "
    "program (XML/gre.xml) come from WordNet 3.0, Princeton University; the word list and the "
    "other examples were written for Vocabrix. WordNet 3.0 Copyright 2006 by Princeton "
    "University. All rights reserved. WordNet is provided \"as is\" and Princeton University "
    "makes no representations or warranties, express or implied; the full licence is in "
    "XML/WORDNET-LICENSE.txt. Dictionaries you open or edit are your own.<br>"
    "Icon and help pages: made for the Vocabrix project.<br>"
    "Built with Qt %1 (GNU LGPL version 3) and pugixml (MIT licence).");

QLabel *label(const char *name, const QString &text = {})
{
    auto *result = new QLabel(text);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

QString versionline(const platform::version &number)
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(number.major)
        .arg(number.minor)
        .arg(number.revision);
}

FormAbout::FormAbout(platform::Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), services(services)
{
    setObjectName(QStringLiteral("FormAbout"));
    createcontrols();
    connect(Command1, &QPushButton::clicked, this, &FormAbout::Command1_Click);
    platform::cancelonescape(this, Command1);
    formload();
}

void FormAbout::createcontrols()
{
    picIcon = label("picIcon");
    picIcon->setPixmap(platform::applicationpixmap(64, devicePixelRatioF()));
    picIcon->setAlignment(Qt::AlignTop);
    lblTitle = label("lblTitle");
    QFont titlefont = QApplication::font();
    titlefont.setPointSizeF(titlefont.pointSizeF() * 1.4);
    titlefont.setBold(true);
    lblTitle->setFont(titlefont);
    const QFont comic(QStringLiteral("Comic Sans MS"), int(QApplication::font().pointSizeF() + 1));
    lblVersion = label("lblVersion");
    lblVersion->setFont(comic);
    lblDescription = label("lblDescription", description);
    lblDescription->setFont(comic);
    lblNotices = label("lblNotices");
    lblNotices->setTextFormat(Qt::RichText);
    for (QLabel *each : {lblTitle, lblDescription, lblNotices}) {
        each->setWordWrap(true);
        each->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    Line1 = new QFrame;
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Command1 = new QPushButton(QStringLiteral("&Ok"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto *text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addWidget(lblDescription);
    auto *top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Line1);
    layout->addWidget(lblNotices);
    layout->addStretch();
    layout->addLayout(bottom);
    setMinimumWidth(520);
}

void FormAbout::open()
{
    if (!isVisible()) {
        formload();
        // Wrapped labels ask for their height at the window's width, not at their narrowest.
        const int width = std::max(minimumWidth(), sizeHint().width());
        resize(width, layout()->totalHeightForWidth(width));
        show();
    }
    raise();
    activateWindow();
}

void FormAbout::formload()
{
    auto &info = *services.appinfo;
    setWindowTitle(QStringLiteral("About ") + info.title());
    lblVersion->setText(versionline(info.version()));
    lblTitle->setText(info.title() +
                      QStringLiteral(" - GRE, GMAT, SAT and TOEFL Vocabulary Builder"));
    lblNotices->setText(notices.arg(QLatin1String(qVersion())));
}

void FormAbout::Command1_Click()
{
    close();
}
