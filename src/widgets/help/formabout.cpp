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

namespace widgets {

namespace {

// Both translated where they are shown.
const char *const description = QT_TRANSLATE_NOOP(
    "widgets::FormAbout",
    "Vocabrix helps you build the vocabulary asked in the GRE, GMAT, SAT and TOEFL "
    "examinations: answer a quiz of meanings, study with flash cards, pair words with their "
    "meanings in a memory game, and print the whole list to take with you.");

const char *const notices = QT_TRANSLATE_NOOP(
    "widgets::FormAbout",
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

QString versionLine(const platform::Version &number)
{
    return QCoreApplication::translate("widgets", "Version %1.%2.%3")
        .arg(number.major)
        .arg(number.minor)
        .arg(number.revision);
}

FormAbout::FormAbout(platform::Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), services(services)
{
    setObjectName(QStringLiteral("FormAbout"));
    createControls();
    connect(okButton, &QPushButton::clicked, this, &FormAbout::closeWindow);
    platform::cancelOnEscape(this, okButton);
    formLoad();
}

void FormAbout::createControls()
{
    iconLabel = label("picIcon");
    iconLabel->setPixmap(platform::applicationPixmap(64, devicePixelRatioF()));
    iconLabel->setAlignment(Qt::AlignTop);
    titleLabel = label("lblTitle");
    QFont titleFont = QApplication::font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    const QFont comic(QStringLiteral("Comic Sans MS"), int(QApplication::font().pointSizeF() + 1));
    versionLabel = label("lblVersion");
    versionLabel->setFont(comic);
    descriptionLabel = label("lblDescription", tr(description));
    descriptionLabel->setFont(comic);
    noticesLabel = label("lblNotices");
    noticesLabel->setTextFormat(Qt::RichText);
    for (QLabel *each : {titleLabel, descriptionLabel, noticesLabel}) {
        each->setWordWrap(true);
        each->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    separatorLine = new QFrame;
    separatorLine->setObjectName(QStringLiteral("Line1"));
    separatorLine->setFrameShape(QFrame::HLine);
    separatorLine->setFrameShadow(QFrame::Sunken);
    okButton = new QPushButton(tr("&Ok"));
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setDefault(true);

    auto *text = new QVBoxLayout;
    text->addWidget(titleLabel);
    text->addWidget(versionLabel);
    text->addWidget(descriptionLabel);
    auto *top = new QHBoxLayout;
    top->addWidget(iconLabel);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(okButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(separatorLine);
    layout->addWidget(noticesLabel);
    layout->addStretch();
    layout->addLayout(bottom);
    setMinimumWidth(520);
}

void FormAbout::open()
{
    if (!isVisible()) {
        formLoad();
        // Wrapped labels ask for their height at the window's width, not at their narrowest.
        const int width = std::max(minimumWidth(), sizeHint().width());
        resize(width, layout()->totalHeightForWidth(width));
        show();
    }
    raise();
    activateWindow();
}

void FormAbout::formLoad()
{
    auto &info = *services.appInfo;
    setWindowTitle(tr("About %1").arg(info.title()));
    versionLabel->setText(versionLine(info.version()));
    titleLabel->setText(tr("%1 - GRE, GMAT, SAT and TOEFL Vocabulary Builder").arg(info.title()));
    noticesLabel->setText(tr(notices).arg(QLatin1String(qVersion())));
}

void FormAbout::closeWindow()
{
    close();
}

} // namespace widgets
