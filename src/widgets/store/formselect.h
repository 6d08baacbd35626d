// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
namespace platform {
struct Services;
}

namespace widgets {

// Picks another dictionary of the program's XML folder; the main window loads it and closes
// the chooser, or says it could not and leaves it open.
class FormSelect : public QWidget
{
    Q_OBJECT
public:
    explicit FormSelect(platform::Services &services, QWidget *parent = nullptr);

    // Shows the chooser, starting in the program folder when it was closed.
    void open();

    void showProgramFolder();
    void driveChanged();
    void folderChanged();
    void openChosenFile();

    // The folder the directory list shows.
    QString dirPath() const { return folder; }
    void setDirPath(const QString &path);

signals:
    // Ok or a double click on a file: its stored path ("/XML/name.xml").
    void dictionaryChosen(const QString &storedPath);

public:
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
    platform::Services &services;
};

} // namespace widgets
