// SPDX-License-Identifier: GPL-3.0-or-later
#include "studycontrols.h"

#include "platform/colors.h"
#include "platform/widgets/twips.h"

#include <QToolButton>
#include <algorithm>

namespace widgets {

namespace studycontrols {

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void placeTwips(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(platform::twips(left), platform::twips(top), platform::twips(width),
                         platform::twips(height));
}

void setBackColor(QWidget *control, qint32 color)
{
    QPalette colors = control->palette();
    const QColor face = platform::colorFromCode(color);
    colors.setColor(QPalette::Window, face);
    colors.setColor(QPalette::Button, face);
    colors.setColor(QPalette::Base, face);
    control->setPalette(colors);
    control->setAutoFillBackground(true);
}

void setTextColor(QWidget *control, qint32 color)
{
    QPalette colors = control->palette();
    const QColor text = platform::colorFromCode(color);
    colors.setColor(QPalette::Text, text);
    colors.setColor(QPalette::WindowText, text);
    control->setPalette(colors);
}

void setFontName(QWidget *control, const QString &name)
{
    QFont font = control->font();
    font.setFamily(name);
    control->setFont(font);
}

double fontPointSize(float size)
{
    // A size no screen font can take would only bring warnings.
    return std::clamp(double(size), 1.0, 500.0);
}

void setFontSize(QWidget *control, float size)
{
    QFont font = control->font();
    font.setPointSizeF(fontPointSize(size));
    control->setFont(font);
}

namespace {

// Takes its picture when first shown: the flash card window is built hidden at start-up, and
// loading pictures there would only delay the main window.
class PictureToolButton : public QToolButton
{
public:
    PictureToolButton(QWidget *parent, QStyle::StandardPixmap picture)
        : QToolButton(parent), picture(picture)
    {
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        if (icon().isNull())
            setIcon(style()->standardIcon(picture));
        QToolButton::showEvent(event);
    }

private:
    QStyle::StandardPixmap picture;
};

} // namespace

QAbstractButton *pictureButton(QWidget *parent, const QString &name, const QString &caption,
                               QStyle::StandardPixmap picture, qint32 color)
{
    auto *button = new PictureToolButton(parent, picture);
    button->setObjectName(name);
    button->setText(caption);
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    setBackColor(button, color);
    button->setAutoFillBackground(false);
    return button;
}

} // namespace studycontrols

} // namespace widgets
