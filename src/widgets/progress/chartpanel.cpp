// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartpanel.h"

#include "chart.h"
#include "platform/error.h"
#include "platform/services.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace widgets {

ChartPanel::ChartPanel(const QString &title, const QString &name, Chart *chart,
                       platform::Services &services, QWidget *parent)
    : QGroupBox(title, parent), shown(chart), table(new QTableWidget),
      // No access key: the Progress window has four of these.
      valuesButton(new QPushButton(tr("Values"))),
      saveButton(new QPushButton(tr("Save as PNG..."))), services(services)
{
    setObjectName(name + QStringLiteral("Panel"));
    shown->setObjectName(name);
    shown->setAccessibleName(title);
    table->setObjectName(name + QStringLiteral("Values"));
    table->setAccessibleName(tr("%1, values").arg(title));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->setTabKeyNavigation(false);
    table->setVisible(false);
    valuesButton->setObjectName(name + QStringLiteral("ShowValues"));
    valuesButton->setCheckable(true);
    valuesButton->setAccessibleName(tr("Show the values of %1").arg(title));
    saveButton->setObjectName(name + QStringLiteral("Save"));
    saveButton->setAccessibleName(tr("Save %1 as PNG").arg(title));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(shown, 1);
    layout->addWidget(table, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(valuesButton);
    buttons->addWidget(saveButton);
    layout->addLayout(buttons);

    connect(valuesButton, &QPushButton::toggled, this, &ChartPanel::showValues);
    connect(saveButton, &QPushButton::clicked, this, &ChartPanel::savePicture);
    connect(shown, &Chart::changed, this, &ChartPanel::fillTable);
}

void ChartPanel::showValues(bool show)
{
    shown->setVisible(!show);
    table->setVisible(show);
    if (show)
        table->setFocus();
}

void ChartPanel::fillTable()
{
    const QStringList headers = shown->headers();
    const QList<QStringList> rows = shown->rows();
    table->clear();
    table->setColumnCount(int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size() && c < headers.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    table->resizeColumnsToContents();
}

void ChartPanel::savePicture()
{
    const QString target = services.dialogs->saveFileName(
        tr("Save as PNG"), tr("PNG images (*.png)"),
        QStringLiteral("vocabrix-%1.png").arg(shown->objectName()),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (target.isEmpty())
        return;
    // The chart as it is drawn now, even while its table is shown instead.
    if (shown->size().isEmpty() || !shown->isVisible())
        shown->resize(shown->sizeHint());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    shown->grab().save(&buffer, "PNG");
    try {
        services.files->write(target, png);
    } catch (const platform::Error &failure) {
        services.dialogs->message(failure.message(), platform::Icon::critical,
                                  platform::Buttons::ok);
    }
}

} // namespace widgets
