// SPDX-License-Identifier: GPL-3.0-or-later
#include "formselect.h"

#include "platform/services.h"
#include "platform/widgets/escapekey.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

namespace widgets {

namespace {

const QColor lightGrey(192, 192, 192);

void lightGreyBackground(QWidget *list)
{
    QPalette colors = list->palette();
    colors.setColor(QPalette::Base, lightGrey);
    colors.setColor(QPalette::Text, Qt::black);
    list->setPalette(colors);
}

} // namespace

FormSelect::FormSelect(platform::Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), services(services)
{
    setObjectName(QStringLiteral("FormSelect"));
    setWindowTitle(tr("Select"));
    resize(520, 360);

    driveChoice = new QComboBox;
    driveChoice->setObjectName(QStringLiteral("Drive1"));
    driveChoice->setAccessibleName(tr("Drive"));
    for (const QFileInfo &drive : QDir::drives())
        driveChoice->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));
    folderList = new QListWidget;
    folderList->setObjectName(QStringLiteral("Dir1"));
    folderList->setAccessibleName(tr("Folders"));
    fileList = new QListWidget;
    fileList->setObjectName(QStringLiteral("File1"));
    fileList->setAccessibleName(tr("Dictionary files"));
    okButton = new QPushButton(tr("&Ok"));
    okButton->setObjectName(QStringLiteral("Command1"));
    for (QWidget *list : {static_cast<QWidget *>(driveChoice), static_cast<QWidget *>(folderList),
                          static_cast<QWidget *>(fileList)})
        lightGreyBackground(list);

    auto *layout = new QGridLayout(this);
    layout->addWidget(driveChoice, 0, 0, 1, 2);
    layout->addWidget(folderList, 1, 0);
    layout->addWidget(fileList, 1, 1);
    layout->addWidget(okButton, 2, 1, Qt::AlignRight);

    connect(driveChoice, &QComboBox::activated, this, &FormSelect::driveChanged);
    connect(folderList, &QListWidget::itemActivated, this, &FormSelect::enterFolder);
    connect(fileList, &QListWidget::itemActivated, this, &FormSelect::openChosenFile);
    connect(okButton, &QPushButton::clicked, this, &FormSelect::openChosenFile);
    platform::cancelOnEscape(this);
}

void FormSelect::open()
{
    if (!isVisible())
        showProgramFolder();
    show();
    raise();
    activateWindow();
}

void FormSelect::showProgramFolder()
{
    setDirPath(services.appInfo->programFolder());
}

void FormSelect::setDirPath(const QString &path)
{
    folder = QDir(path).absolutePath();
    folderChanged();
}

void FormSelect::driveChanged()
{
    setDirPath(QDir::fromNativeSeparators(driveChoice->currentText()));
}

// The folders from the root down to the current one, then the current one's own folders.
void FormSelect::fillDirectories()
{
    folderList->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
    QStringList ancestors;
    for (QDir up(folder);;) {
        ancestors.prepend(up.absolutePath());
        if (!up.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &path : ancestors) {
        const QString name = QDir(path).dirName().isEmpty() ? path : QDir(path).dirName();
        auto *item = new QListWidgetItem(icon, QString(depth * 3, u' ') + name, folderList);
        item->setData(Qt::UserRole, path);
        ++depth;
    }
    folderList->setCurrentRow(folderList->count() - 1);
    const QFileInfoList children =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &child : children) {
        auto *item =
            new QListWidgetItem(icon, QString(depth * 3, u' ') + child.fileName(), folderList);
        item->setData(Qt::UserRole, child.absoluteFilePath());
    }
}

void FormSelect::enterFolder(QListWidgetItem *item)
{
    if (item)
        setDirPath(item->data(Qt::UserRole).toString());
}

void FormSelect::folderChanged()
{
    fillDirectories();
    fileList->clear();
    fileList->addItems(QDir(folder).entryList({pattern}, QDir::Files, QDir::Name));
    if (fileList->count() == 0)
        showNoDictionaryHint();
}

// An empty list would leave a first-time user guessing where the dictionaries are.
void FormSelect::showNoDictionaryHint()
{
    const QString xmlFolder = QDir::toNativeSeparators(
        QDir(services.appInfo->programFolder()).filePath(QStringLiteral("XML")));
    auto *hint = new QListWidgetItem(
        tr("No dictionary in this folder. The dictionaries are in the XML folder: %1")
            .arg(xmlFolder),
        fileList);
    hint->setFlags(Qt::NoItemFlags);
    hint->setData(Qt::UserRole, true);
    fileList->setWordWrap(true);
}

void FormSelect::openChosenFile()
{
    const QListWidgetItem *chosen = fileList->currentItem();
    if (chosen && chosen->data(Qt::UserRole).toBool())
        chosen = nullptr;
    // Only the name counts: the file is always read from the XML folder.
    emit dictionaryChosen(QStringLiteral("/XML/") + (chosen ? chosen->text() : QString()));
}

} // namespace widgets
