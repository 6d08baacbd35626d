// SPDX-License-Identifier: GPL-3.0-or-later
#include "formoptions.h"

#include "core/displaysettings.h"
#include "platform/colors.h"
#include "platform/error.h"
#include "platform/services.h"
#include "platform/speaker.h"
#include "platform/widgets/escapekey.h"
#include "speechframe.h"
#include "studyplanframe.h"
#include "widgets/speech/speech.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum class pick { font, color };

struct buttonrole
{
    int group;
    pick kind;
};

// Which picker each of the eight buttons opens; the memory game's frame has its colour
// button first.
constexpr std::array<buttonrole, 8> roles{{{0, pick::font},
                                           {0, pick::color},
                                           {1, pick::color},
                                           {1, pick::font},
                                           {2, pick::font},
                                           {2, pick::color},
                                           {3, pick::font},
                                           {3, pick::color}}};

const std::array<QString, 4> framecaptions{
    QStringLiteral("Font Settings"), QStringLiteral("Font Settings Memory Game"),
    QStringLiteral("Font Settings Answer Window"), QStringLiteral("Font Settings Flash Card ")};

// What each group's text stands on in its own window; the answer group's colour is the
// background itself.
const std::array<QColor, 4> groundcolors{QColor(Qt::white), QColor(128, 128, 255), QColor(),
                                         QColor(224, 224, 224)};

// A font that does not take the frame caption's weight: every attribute is set, so none is
// inherited.
QFont plain(QFont font)
{
    font.setFamily(font.family());
    font.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() : 10);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Index of the button in a frame that opens the given picker.
int buttonfor(int group, pick kind)
{
    for (int i = 0; i < int(roles.size()); ++i) {
        if (roles[i].group == group && roles[i].kind == kind)
            return i;
    }
    return -1;
}

} // namespace

FormOptions::FormOptions(DisplaySettings &settings, learning::StudyPlan &plan,
                         platform::Services &services, Speech &speech, QWidget *parent)
    : QWidget(parent, Qt::Window), settings(settings), savedSettings(settings), services(services),
      plan(plan), speech(speech)
{
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(QStringLiteral("Options"));
    createcontrols();
    for (int i = 0; i < int(Command1.size()); ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    for (int i = 0; i < int(Command2.size()); ++i)
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    connect(&speech, &Speech::availabilityChanged, this, &FormOptions::showvoices);
    formload();
    platform::cancelonescape(this, Command2[0]);
}

void FormOptions::createcontrols()
{
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    for (int group = 0; group < 4; ++group)
        grid->addWidget(createframe(group), group / 2, group % 2);
    studyFrame = new StudyPlanFrame;
    QFont title(QStringLiteral("Arial Black"));
    title.setPointSizeF(QApplication::font().pointSizeF());
    title.setWeight(QFont::Black);
    for (QWidget *child : studyFrame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setFont(plain(QApplication::font()));
    studyFrame->setFont(title);
    grid->addWidget(studyFrame, 2, 0, 1, 2);
    speechFrame = new SpeechFrame;
    for (QWidget *child : speechFrame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setFont(plain(QApplication::font()));
    speechFrame->setFont(title);
    grid->addWidget(speechFrame, 3, 0, 1, 2);
    layout->addLayout(grid);

    auto *row = new QHBoxLayout;
    row->addStretch();
    Command2[0] = new QPushButton(QStringLiteral("&Cancel"));
    Command2[1] = new QPushButton(QStringLiteral("&Ok"));
    for (int i = 0; i < 2; ++i) {
        Command2[i]->setObjectName(indexed("Command2", i));
        row->addWidget(Command2[i]);
    }
    layout->addLayout(row);
}

QGroupBox *FormOptions::createframe(int group)
{
    QGroupBox *frame = Frame1[group] = new QGroupBox(framecaptions[group]);
    frame->setObjectName(indexed("Frame1", group));
    // Frame captions in Arial Black, as in the main window; the buttons keep the plain font.
    QFont title(QStringLiteral("Arial Black"));
    title.setPointSizeF(QApplication::font().pointSizeF());
    title.setWeight(QFont::Black);
    frame->setFont(title);
    auto *layout = new QGridLayout(frame);
    QFont labelfont(QStringLiteral("Book Antiqua"));
    labelfont.setPointSizeF(QApplication::font().pointSizeF() + 1);
    const QString prefix = group == 0 ? QStringLiteral("Main ") : QString();
    const std::array<std::pair<pick, QString>, 2> rows{
        {{pick::font, prefix + QStringLiteral("Font Type")},
         {pick::color, prefix + QStringLiteral("Font Color")}}};
    for (int r = 0; r < 2; ++r) {
        const int label = 2 * group + r, index = buttonfor(group, rows[r].first);
        Label1[label] = new QLabel(rows[r].second);
        Label1[label]->setObjectName(indexed("Label1", label));
        Label1[label]->setFont(plain(labelfont));
        const bool font = rows[r].first == pick::font;
        // Without access keys: each of the four frames has the two, and C is Cancel's.
        Command1[index] =
            new QPushButton(font ? QStringLiteral("Select Font") : QStringLiteral("Select Color"));
        Command1[index]->setObjectName(indexed("Command1", index));
        Command1[index]->setFont(plain(QApplication::font()));
        Command1[index]->setToolTip(font ? QStringLiteral("Sets font of Main Window")
                                         : QStringLiteral("Sets Color of Main window Word"));
        Label1[label]->setBuddy(Command1[index]);
        layout->addWidget(Label1[label], r, 0);
        layout->addWidget(Command1[index], r, 1);
    }
    preview[group] = new QLabel;
    preview[group]->setObjectName(indexed("preview", group));
    preview[group]->setAlignment(Qt::AlignCenter);
    preview[group]->setAutoFillBackground(true);
    preview[group]->setFrameShape(QFrame::StyledPanel);
    preview[group]->setMinimumHeight(56);
    layout->addWidget(preview[group], 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    return frame;
}

void FormOptions::open()
{
    if (!isVisible()) {
        speech.prepare();
        formload();
        show();
    }
    raise();
    activateWindow();
}

void FormOptions::formload()
{
    choices = settings;
    studyFrame->setPlan(plan, services.clock->now().date());
    showvoices();
    speechFrame->setSettings(speech.settings());
    for (int group = 0; group < DisplaySettings::groupCount; ++group)
        showpreview(group);
}

void FormOptions::Command1_Click(int index)
{
    if (index < 0 || index >= int(roles.size()))
        return;
    if (roles[index].kind == pick::font)
        selectfont(roles[index].group);
    else
        selectcolor(roles[index].group);
}

void FormOptions::Command2_Click(int index)
{
    if (index == 0) {
        close();
        return;
    }
    writestudyplan();
    writespeech();
    // The question and its answer speak of fonts and colours only: the study plan and speech
    // apply at once, and an Ok that changes neither font nor colour has nothing to ask.
    if (choices != savedSettings)
        writesettings();
    // Whatever the answer was, windows loaded from now on use the new choices.
    settings = choices;
}

void FormOptions::writesettings()
{
    auto &dialogs = *services.dialogs;
    if (dialogs.message(QStringLiteral("Update Color and Font Settings ?"),
                        platform::icon::question,
                        platform::buttons::okcancel) != platform::answer::ok)
        return;
    const QString path = DisplaySettings::filePath(services.appinfo->programfolder());
    try {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw vocabrix::error(
                vocabrix::error::io,
                QStringLiteral("Cannot create the folder %1.")
                    .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
        services.files->writeText(path, choices.fileText());
    } catch (const vocabrix::error &failure) {
        dialogs.message(QStringLiteral("The settings could not be saved. ") + failure.message(),
                        platform::icon::critical, platform::buttons::ok);
        return;
    }
    savedSettings = choices;
    dialogs.message(QStringLiteral("Settings have been saved , They will be loaded the next "
                                   "time you start your program "),
                    platform::icon::information, platform::buttons::ok);
}

// The study plan is saved at Ok without a question, when it changed.
void FormOptions::writestudyplan()
{
    const learning::StudyPlan chosen = studyFrame->plan();
    if (chosen == plan)
        return;
    const QString path = services.programPath(QStringLiteral("\\settings\\study.txt"));
    try {
        QDir().mkpath(QFileInfo(path).absolutePath());
        learning::writeStudyPlan(*services.files, path, chosen);
    } catch (const vocabrix::error &failure) {
        services.dialogs->message(tr("The study settings could not be saved. ") + failure.message(),
                                  platform::icon::critical, platform::buttons::ok);
        return;
    }
    plan = chosen;
    emit studyPlanChanged();
}

void FormOptions::showvoices()
{
    speechFrame->setVoices(speech.speaker().voices(), speech.speaker().reason());
}

// The speech settings are saved at Ok without a question, when they changed.
void FormOptions::writespeech()
{
    const SpeechSettings chosen = speechFrame->settings();
    if (chosen == speech.settings())
        return;
    try {
        speech.saveSettings(chosen);
    } catch (const vocabrix::error &failure) {
        services.dialogs->message(tr("The speech settings could not be saved. ") +
                                      failure.message(),
                                  platform::icon::critical, platform::buttons::ok);
    }
}

TextStyle FormOptions::picker(int group) const
{
    return choices.style(DisplaySettings::Group(group));
}

void FormOptions::selectfont(int group)
{
    TextStyle current = picker(group);
    const auto chosen = services.dialogs->pickfont({current.fontName, double(current.fontSize)});
    if (!chosen || chosen->name.isEmpty())
        return;
    current.fontName = chosen->name;
    // A bitmap font may report no point size; the old size then stands.
    if (chosen->size > 0)
        current.fontSize = float(chosen->size);
    choices.setStyle(DisplaySettings::Group(group), current);
    showpreview(group);
}

void FormOptions::selectcolor(int group)
{
    TextStyle current = picker(group);
    const auto chosen = services.dialogs->pickcolor(current.color());
    if (!chosen || !chosen->isValid())
        return;
    current.colorCode = platform::codefromcolor(*chosen);
    choices.setStyle(DisplaySettings::Group(group), current);
    showpreview(group);
}

void FormOptions::showpreview(int group)
{
    const TextStyle current = picker(group);
    QFont font(current.fontName);
    // Big sizes would stretch the dialog; the sample only has to show the face.
    font.setPointSizeF(std::clamp(double(current.fontSize), 6.0, 20.0));
    font = plain(font);
    QLabel *sample = preview[group];
    sample->setFont(font);
    sample->setText(QStringLiteral("%1, %2 pt")
                        .arg(current.fontName, QLocale::system().toString(current.fontSize)));
    const QColor color = current.color();
    const bool background = !groundcolors[group].isValid();
    QPalette colors = sample->palette();
    colors.setColor(QPalette::Window, background ? color : groundcolors[group]);
    colors.setColor(QPalette::WindowText, background ? platform::readabletext(color) : color);
    sample->setPalette(colors);
    sample->setAccessibleName(QStringLiteral("Sample of %1").arg(framecaptions[group].trimmed()));
}
