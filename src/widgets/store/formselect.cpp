// SPDX-License-Identifier: GPL-3.0-or-later
#include "formselect.h"

#include "platform/error.h"
#include "platform/services.h"
#include "platform/widgets/escapekey.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

namespace {

const QColor lightgrey(192, 192, 192);

void lightgreybackground(QWidget *list)
{
    QPalette colors = list->palette();
    colors.setColor(QPalette::Base, lightgrey);
    colors.setColor(QPalette::Text, Qt::black);
    list->setPalette(colors);
}

} // namespace

FormSelect::FormSelect(platform::Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), services(services)
{
    setObjectName(QStringLiteral("FormSelect"));
    setWindowTitle(QStringLiteral("Select"));
    resize(520, 360);

    Drive1 = new QComboBox;
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    for (const QFileInfo &drive : QDir::drives())
        Drive1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));
    Dir1 = new QListWidget;
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(QStringLiteral("Folders"));
    File1 = new QListWidget;
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(QStringLiteral("Dictionary files"));
    Command1 = new QPushButton(QStringLiteral("&Ok"));
    Command1->setObjectName(QStringLiteral("Command1"));
    for (QWidget *list : {static_cast<QWidget *>(Drive1), static_cast<QWidget *>(Dir1),
                          static_cast<QWidget *>(File1)})
        lightgreybackground(list);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Drive1, 0, 0, 1, 2);
    layout->addWidget(Dir1, 1, 0);
    layout->addWidget(File1, 1, 1);
    layout->addWidget(Command1, 2, 1, Qt::AlignRight);

    connect(Drive1, &QComboBox::activated, this, &FormSelect::Drive1_Change);
    connect(Dir1, &QListWidget::itemActivated, this, &FormSelect::enterfolder);
    connect(File1, &QListWidget::itemClicked, this, &FormSelect::File1_Click);
    connect(File1, &QListWidget::itemActivated, this, &FormSelect::Command1_Click);
    connect(Command1, &QPushButton::clicked, this, &FormSelect::Command1_Click);
    platform::cancelonescape(this);
}

void FormSelect::open(std::function<void(const QString &)> load)
{
    loaddata = std::move(load);
    if (!isVisible())
        Form_Load();
    show();
    raise();
    activateWindow();
}

void FormSelect::Form_Load()
{
    setdirpath(services.appinfo->programfolder());
}

void FormSelect::setdirpath(const QString &path)
{
    folder = QDir(path).absolutePath();
    Dir1_Change();
}

void FormSelect::Drive1_Change()
{
    setdirpath(QDir::fromNativeSeparators(Drive1->currentText()));
}

// The folders from the root down to the current one, then the current one's own folders.
void FormSelect::filldirectories()
{
    Dir1->clear();
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
        auto *item = new QListWidgetItem(icon, QString(depth * 3, u' ') + name, Dir1);
        item->setData(Qt::UserRole, path);
        ++depth;
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    const QFileInfoList children =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &child : children) {
        auto *item = new QListWidgetItem(icon, QString(depth * 3, u' ') + child.fileName(), Dir1);
        item->setData(Qt::UserRole, child.absoluteFilePath());
    }
}

void FormSelect::enterfolder(QListWidgetItem *item)
{
    if (item)
        setdirpath(item->data(Qt::UserRole).toString());
}

void FormSelect::Dir1_Change()
{
    filldirectories();
    File1->clear();
    File1->addItems(QDir(folder).entryList({pattern}, QDir::Files, QDir::Name));
    if (File1->count() == 0)
        shownodictionaryhint();
}

// An empty list would leave a first-time user guessing where the dictionaries are.
void FormSelect::shownodictionaryhint()
{
    const QString xmlfolder = QDir::toNativeSeparators(
        QDir(services.appinfo->programfolder()).filePath(QStringLiteral("XML")));
    auto *hint = new QListWidgetItem(
        tr("No dictionary in this folder. The dictionaries are in the XML folder: %1")
            .arg(xmlfolder),
        File1);
    hint->setFlags(Qt::NoItemFlags);
    hint->setData(Qt::UserRole, true);
    File1->setWordWrap(true);
}

void FormSelect::File1_Click() {}

void FormSelect::Command1_Click()
{
    const QListWidgetItem *chosen = File1->currentItem();
    if (chosen && chosen->data(Qt::UserRole).toBool())
        chosen = nullptr;
    // Only the name counts: the file is always read from the XML folder.
    const QString path = QStringLiteral("/XML/") + (chosen ? chosen->text() : QString());
    try {
        if (loaddata)
            loaddata(path);
    } catch (const vocabrix::error &) {
        services.dialogs->message(
            QStringLiteral(" There was an error in loading the XML dictionary"),
            platform::icon::critical, platform::buttons::ok);
        return;
    }
    close();
}
