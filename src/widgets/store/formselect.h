// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
namespace platform {
struct Services;
}

// Picks another dictionary of the program's XML folder and loads it.
class FormSelect : public QWidget
{
    Q_OBJECT
public:
    explicit FormSelect(platform::Services &services, QWidget *parent = nullptr);

    // Shows the chooser, starting in the program folder when it was closed.
    void open(std::function<void(const QString &)> load);

    void showProgramFolder();
    void driveChanged();
    void folderChanged();
    void openChosenFile();

    // The folder the directory list shows.
    QString dirPath() const { return folder; }
    void setDirPath(const QString &path);

    QComboBox *driveChoice;
    QListWidget *folderList;
    QListWidget *fileList;
    QPushButton *okButton;

private:
    void fillDirectories();
    void enterFolder(QListWidgetItem *item);
    void showNoDictionaryHint();

    QString folder;
    QString pattern = QStringLiteral("*.xml*");
    std::function<void(const QString &)> loadData;
    platform::Services &services;
};
