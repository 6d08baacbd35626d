// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QPushButton;
class QTableWidget;
namespace platform {
struct Services;
}

namespace widgets {

class Chart;

// A chart with its title, a table of its values shown on demand (for the keyboard and screen
// readers), and "Save as PNG".
class ChartPanel : public QGroupBox
{
    Q_OBJECT
public:
    // name is the chart's objectName and the saved file's default name.
    ChartPanel(const QString &title, const QString &name, Chart *chart,
               platform::Services &services, QWidget *parent = nullptr);

    Chart *chart() const { return shown; }
    void savePicture();

private:
    void showValues(bool show);
    void fillTable();

    Chart *shown;
    QTableWidget *table;
    QPushButton *valuesButton, *saveButton;
    platform::Services &services;
};

} // namespace widgets
