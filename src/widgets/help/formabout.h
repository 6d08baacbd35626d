// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace platform {
struct Version;
struct Services;
} // namespace platform

namespace widgets {

// "Version " and the three numbers of the version, in plain decimal.
QString versionLine(const platform::Version &number);

// The About window: the program's name, version, purpose and the notices of the data it ships.
class FormAbout : public QWidget
{
    Q_OBJECT
public:
    explicit FormAbout(platform::Services &services, QWidget *parent = nullptr);

    // Shows the window; one that is not open is loaded afresh, an open one comes to the front.
    void open();
    void formLoad();
    void closeWindow();

    QLabel *iconLabel, *titleLabel, *versionLabel, *descriptionLabel, *noticesLabel;
    QFrame *separatorLine;
    QPushButton *okButton;

private:
    void createControls();

    platform::Services &services;
};

} // namespace widgets
