#include "guardedapplication.h"

#include "../platform/appicon.h"
#include "../platform/error.h"
#include "../platform/services.h"
#include "../platform/textlayout.h"

#include <QIcon>

guardedapplication::guardedapplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("vocabrix"));
    setApplicationDisplayName(QStringLiteral("Vocabrix"));
    setOrganizationName(QStringLiteral("vocabrix"));
    platform::addfontsubstitutes();
    // Outside a desktop session the icon theme is only the hicolor fallback, which has no
    // button pictures; reading its large index would only delay the first window.
    if (QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeSearchPaths({QStringLiteral(":/icons")});
    setWindowIcon(platform::applicationicon());
}

bool guardedapplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const vocabrix::error &failure) {
        reportunexpected(failure.message());
    } catch (const std::exception &failure) {
        reportunexpected(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        reportunexpected(QStringLiteral("an unknown failure"));
    }
    return false;
}

void reportunexpected(const QString &what)
{
    platform::services().dialogs->message(
        QStringLiteral("Something went wrong: %1\nThe program goes on; nothing was saved by the "
                       "step that failed.")
            .arg(what),
        platform::icon::critical, platform::buttons::ok);
}
