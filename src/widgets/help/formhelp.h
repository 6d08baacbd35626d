// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QToolButton;
namespace platform {
struct Services;
}

namespace widgets {

// The program's own help window: the list of topics beside the page, with back, forward and
// contents buttons.
class FormHelp : public QWidget
{
    Q_OBJECT
public:
    explicit FormHelp(platform::Services &services, QWidget *parent = nullptr);

    // Shows the window at the given contents page, or at a page beside it ("keys.html",
    // "study.html#progress"), forgetting the pages seen before.
    void open(const QString &contentsFile, const QString &page = QString());

    QToolButton *back, *forward, *home;
    QListWidget *contents;
    QTextBrowser *browser;

private:
    void createControls();
    void follow(const QUrl &link);
    void fillTopics();
    void markTopic(const QUrl &page);

    QUrl start;
    platform::Services &services;
};

} // namespace widgets
