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

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();

    // The folder the directory list shows.
    QString dirpath() const { return folder; }
    void setdirpath(const QString &path);

    QComboBox *Drive1;
    QListWidget *Dir1;
    QListWidget *File1;
    QPushButton *Command1;

private:
    void filldirectories();
    void enterfolder(QListWidgetItem *item);
    void shownodictionaryhint();

    QString folder;
    QString pattern = QStringLiteral("*.xml*");
    std::function<void(const QString &)> loaddata;
    platform::Services &services;
};
