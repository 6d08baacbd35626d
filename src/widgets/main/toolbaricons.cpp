// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbaricons.h"

#include "platform/widgets/appicon.h"

#include <map>

namespace widgets {

QIcon toolbarIcon(const QString &key)
{
    static const std::map<QString, const char *> themeNames{
        {QStringLiteral("Align Left"), "format-justify-left"},
        {QStringLiteral("Center"), "format-justify-center"},
        {QStringLiteral("Align Right"), "format-justify-right"},
        {QStringLiteral("Copy"), "edit-copy"},
        {QStringLiteral("Cut"), "edit-cut"},
        {QStringLiteral("Paste"), "edit-paste"},
        {QStringLiteral("Italic"), "format-text-italic"},
        {QStringLiteral("Bold"), "format-text-bold"},
    };
    const auto found = themeNames.find(key);
    if (found == themeNames.end())
        return QIcon();
    const QString name = QLatin1String(found->second);
    // The program's own, drawn at build time (tools/rendertoolbaricons.cpp).
    const auto own = [&name] {
        return QIcon(platform::renderedPixmap(QStringLiteral(":/toolbar/%1.argb").arg(name), 24));
    };
    // Without a desktop icon theme (hicolor is only the fallback, with no editing icons) the
    // search through the icon folders would only cost time at start-up.
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor"))
        return own();
    const QIcon themed = QIcon::fromTheme(name);
    return themed.isNull() ? own() : themed;
}

} // namespace widgets
