// SPDX-License-Identifier: GPL-3.0-or-later
#include "guardedapplication.h"

#include "leanstyle.h"
#include "platform/error.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets/appicon.h"
#include "platform/widgets/textlayout.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QIcon>
#include <QWidget>

namespace widgets {

namespace {

// Qt exposes our own windows, plain QWidgets, with the role of a client area ("filler" to
// AT-SPI), so a screen reader would not announce them as windows; and a plain QFrame, a line or
// a box around controls, as a border, which AT-SPI calls a "frame" as it calls a window. This
// interface gives such a widget the window role (and with it its title as its name) while it is
// a window, the separator role to a line, and otherwise that of a client area.
//
// Qt makes a widget's interface once and keeps it for the widget's life, at times while the
// widget has no parent yet (a control made on its own, then given a tooltip or a text before it
// goes into a layout). So the role is worked out each time it is asked for, never fixed when the
// interface is made.
class PlainWidgetAccessibility : public QAccessibleWidget
{
public:
    explicit PlainWidgetAccessibility(QWidget *widget) : QAccessibleWidget(widget) {}
    QAccessible::Role role() const override
    {
        if (widget()->isWindow())
            return QAccessible::Window;
        const auto *frame = qobject_cast<const QFrame *>(widget());
        if (frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine))
            return QAccessible::Separator;
        return QAccessible::Client;
    }
};

// Qt asks the factories with the name of each class of an object, the most derived first, and
// this factory (installed last, so asked first) with every name. It answers only to "QWidget",
// which Qt reaches only for classes it has no interface of its own for (buttons, labels, text
// boxes and every other control stop earlier), and only for classes of ours: a bare QWidget,
// like a widget whose own destructors have run, keeps Qt's interface. It answers to "QFrame" only
// for a plain QFrame.
QAccessibleInterface *plainWidgetAccessibility(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    const QMetaObject *type = object->metaObject();
    const bool ours = className == QLatin1String("QWidget") && type != &QWidget::staticMetaObject;
    const bool plainFrame =
        className == QLatin1String("QFrame") && type == &QFrame::staticMetaObject;
    if (!ours && !plainFrame)
        return nullptr;
    return new PlainWidgetAccessibility(static_cast<QWidget *>(object));
}

} // namespace

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // No display name: with one, X11 and Wayland would add " — Vocabrix" to every window's
    // title, and the titles are the windows' captions exactly.
    platform::nameApplication();
    QAccessible::installFactory(plainWidgetAccessibility);
    platform::addFontSubstitutes();
    // Outside a desktop session the icon theme is only the hicolor fallback, which has no
    // button pictures; reading its large index would only delay the first window.
    if (QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeSearchPaths({QStringLiteral(":/icons")});
    setWindowIcon(platform::applicationIcon());
    setStyle(new LeanStyle(style()->name()));
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::Error &failure) {
        reportUnexpected(failure.message());
    } catch (const std::exception &failure) {
        reportUnexpected(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        reportUnexpected(tr("an unknown failure"));
    }
    return false;
}

void GuardedApplication::reportUnexpected(const QString &what)
{
    const QString text =
        tr("Something went wrong: %1\nThe program goes on; nothing was saved by the "
           "step that failed.")
            .arg(what);
    if (reportTo)
        reportTo->message(text, platform::Icon::critical, platform::Buttons::ok);
    else
        qCritical().noquote() << text;
}

} // namespace widgets
