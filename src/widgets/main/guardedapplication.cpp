// SPDX-License-Identifier: GPL-3.0-or-later
#include "guardedapplication.h"

#include "leanstyle.h"
#include "platform/error.h"
#include "platform/services.h"
#include "platform/widgets/appicon.h"
#include "platform/widgets/textlayout.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QIcon>
#include <QMainWindow>

namespace {

// Qt exposes a top-level plain QWidget with the role of a client area ("filler" to AT-SPI), so
// a screen reader would not announce it as a window; this gives such windows the window role,
// and with it their title as their name.
QAccessibleInterface *plainwindowaccessibility(const QString &classname, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || widget->windowType() != Qt::Window ||
        classname != QLatin1String(object->metaObject()->className()) ||
        qobject_cast<QMainWindow *>(widget) || qobject_cast<QDialog *>(widget))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("vocabrix"));
    // No display name: with one, X11 and Wayland would add " — Vocabrix" to every window's
    // title, and the titles are the windows' captions exactly.
    setOrganizationName(QStringLiteral("vocabrix"));
    QAccessible::installFactory(plainwindowaccessibility);
    platform::addfontsubstitutes();
    // Outside a desktop session the icon theme is only the hicolor fallback, which has no
    // button pictures; reading its large index would only delay the first window.
    if (QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeSearchPaths({QStringLiteral(":/icons")});
    setWindowIcon(platform::applicationicon());
    setStyle(new LeanStyle(style()->name()));
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const vocabrix::error &failure) {
        reportUnexpected(failure.message());
    } catch (const std::exception &failure) {
        reportUnexpected(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        reportUnexpected(QStringLiteral("an unknown failure"));
    }
    return false;
}

void GuardedApplication::reportUnexpected(const QString &what)
{
    const QString text =
        QStringLiteral("Something went wrong: %1\nThe program goes on; nothing was saved by the "
                       "step that failed.")
            .arg(what);
    if (reportTo)
        reportTo->message(text, platform::icon::critical, platform::buttons::ok);
    else
        qCritical().noquote() << text;
}
