#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace platform {

// The lines a text takes when word-wrapped into a box of the given size. When it needs more
// lines than fit, the last line that fits ends in an ellipsis.
QStringList wraptext(const QString &text, const QFont &font, int width, int height);

} // namespace platform
