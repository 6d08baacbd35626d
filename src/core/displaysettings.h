// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fonts and colours of the four kinds of text the windows show, as settings.ini keeps them:
// twelve lines, three a group (colour, font name, size), in the order of Group. A colour is
// red + 256 * green + 65536 * blue. The file's texts are parsed once, when it is read.

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace platform {
class Files;
}

namespace core {

struct TextStyle
{
    QString fontName;
    float fontSize = 0;
    qint32 colorCode = 0;

    QFont font() const;
    QColor color() const;
    bool operator==(const TextStyle &) const = default;
};

class DisplayStyles
{
public:
    enum Group { MainWord, MemoryCards, AnswerButtons, FlashCards };
    static constexpr int groupCount = 4;

    // The defaults: Arial 36, Arial 14, Book Antiqua 12 and Arial 24, all black.
    DisplayStyles();

    const TextStyle &style(Group group) const { return styles[group]; }
    void setStyle(Group group, const TextStyle &style) { styles[group] = style; }

    // The settings of twelve usable lines (see displaysettings::usable); nothing otherwise.
    static std::optional<DisplayStyles> fromLines(const QStringList &lines);
    // The twelve lines joined by CR LF, with no line end after the last.
    QString fileText() const;

    // Reads settings/settings.ini below the program folder; false, with the defaults, when it
    // is missing or any of its first twelve lines is empty or not a usable value. Only the
    // first 64 KiB are read: a longer file counts as its complete lines there.
    bool load(const QString &programFolder);
    // Where the settings file of a program folder is.
    static QString filePath(const QString &programFolder);

    bool operator==(const DisplayStyles &) const = default;

private:
    std::array<TextStyle, groupCount> styles;
};

// The display settings in force and the one writer of settings.ini. A window takes the styles
// when it loads: a change reaches the windows loaded after it.
class DisplaySettings : public QObject
{
    Q_OBJECT
public:
    DisplaySettings(platform::Files &files, QString programFolder, QObject *parent = nullptr);

    // Reads the file (see DisplayStyles::load); false, with the defaults, when it is unusable.
    bool load();

    const DisplayStyles &styles() const { return current; }
    const TextStyle &style(DisplayStyles::Group group) const { return current.style(group); }
    // The styles in force from now on, saved or not; changed when they differ.
    void setStyles(const DisplayStyles &styles);
    // Whether the file holds the styles in force, as this run read or wrote it.
    bool isSaved() const { return current == saved; }
    // Writes the styles in force over the file, making its folder when missing. Throws
    // platform::Error (io) and leaves the file as it was when it cannot be written.
    void save();

signals:
    void changed();

private:
    platform::Files &files;
    QString folder;
    DisplayStyles current, saved;
};

namespace displaysettings {

// A colour text is a whole number; a size text a positive number in the system's number
// format (or, for a file written elsewhere, the C format).
std::optional<qint32> toColor(const QString &text);
std::optional<float> toSize(const QString &text);
QString colorText(qint32 color);
QString sizeText(float size);

// True when the twelve lines are all present, non-empty and the numbers are numbers.
bool usable(const QStringList &lines);

} // namespace displaysettings

} // namespace core
