// SPDX-License-Identifier: GPL-3.0-or-later
#include "formhelp.h"

#include "platform/error.h"
#include "platform/services.h"
#include "platform/textfile.h"
#include "platform/widgets/escapekey.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace widgets {

namespace {

QToolButton *toolbutton(const char *name, const QString &caption, QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setIcon(button->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

FormHelp::FormHelp(platform::Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), services(services)
{
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(tr("Vocabrix Help"));
    createControls();
    connect(back, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { browser->setSource(start); });
    connect(browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::anchorClicked, this, &FormHelp::follow);
    connect(browser, &QTextBrowser::sourceChanged, this, &FormHelp::markTopic);
    connect(contents, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        browser->setSource(item->data(Qt::UserRole).toUrl());
    });
    connect(contents, &QListWidget::itemClicked, contents, &QListWidget::itemActivated);
    platform::cancelOnEscape(this);
    resize(900, 640);
}

void FormHelp::createControls()
{
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    back = toolbutton("back", tr("&Back"), QStyle::SP_ArrowBack);
    forward = toolbutton("forward", tr("&Forward"), QStyle::SP_ArrowForward);
    home = toolbutton("home", tr("C&ontents"), QStyle::SP_DirHomeIcon);
    for (QToolButton *button : {back, forward, home})
        bar->addWidget(button);
    bar->addStretch();
    layout->addLayout(bar);

    auto *split = new QSplitter;
    contents = new QListWidget;
    contents->setObjectName(QStringLiteral("contents"));
    contents->setAccessibleName(tr("Topics"));
    contents->setWordWrap(true);
    contents->setSpacing(2);
    contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("browser"));
    // Links to other pages of the help open here; links to the web go to the browser.
    browser->setOpenLinks(false);
    split->addWidget(contents);
    split->addWidget(browser);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 660});
    layout->addWidget(split, 1);
}

void FormHelp::open(const QString &contentsFile, const QString &page)
{
    start = QUrl::fromLocalFile(contentsFile);
    fillTopics();
    browser->setSource(page.isEmpty() ? start : start.resolved(QUrl(page)));
    browser->clearHistory();
    show();
    raise();
    activateWindow();
}

void FormHelp::follow(const QUrl &link)
{
    const QUrl target = browser->source().resolved(link);
    if (target.isLocalFile())
        browser->setSource(target);
    else
        services.launcher->openUrl(target);
}

// The topics are the pages the contents page links to, in its order.
void FormHelp::fillTopics()
{
    contents->clear();
    auto *first = new QListWidgetItem(tr("Contents"), contents);
    first->setData(Qt::UserRole, start);
    QString page;
    try {
        page = platform::readText(start.toLocalFile());
    } catch (const platform::Error &) {
        // The page itself then shows what is wrong; the list keeps its first entry.
        return;
    }
    // Only the contents list counts, not the links in the page's other text.
    const qsizetype from = page.indexOf(QStringLiteral("<ul class=\"contents\">"));
    if (from >= 0)
        page = page.mid(from, page.indexOf(QStringLiteral("</ul>"), from) - from);
    static const QRegularExpression link(
        QStringLiteral(R"re(<a\s+href="([^":#]+\.html)">([^<]+)</a>)re"));
    QList<QUrl> listed{start};
    for (const auto &match : link.globalMatch(page)) {
        const QUrl target = start.resolved(QUrl(match.captured(1)));
        if (listed.contains(target))
            continue;
        listed << target;
        auto *item = new QListWidgetItem(match.captured(2).simplified(), contents);
        item->setData(Qt::UserRole, target);
    }
}

void FormHelp::markTopic(const QUrl &page)
{
    QUrl bare = page;
    bare.setFragment(QString());
    for (int i = 0; i < contents->count(); ++i) {
        if (contents->item(i)->data(Qt::UserRole).toUrl() == bare) {
            contents->setCurrentRow(i);
            setWindowTitle(tr("Vocabrix Help - %1").arg(contents->item(i)->text()));
            return;
        }
    }
    contents->clearSelection();
}

} // namespace widgets
