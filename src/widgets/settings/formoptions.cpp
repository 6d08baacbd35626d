// SPDX-License-Identifier: GPL-3.0-or-later
#include "formoptions.h"

#include "core/displaysettings.h"
#include "core/speechsettings.h"
#include "fitwindow.h"
#include "learning/forecast.h"
#include "learning/studyplan.h"
#include "platform/colors.h"
#include "platform/error.h"
#include "platform/services.h"
#include "platform/speaker.h"
#include "platform/widgets/escapekey.h"
#include "speechframe.h"
#include "studyplanframe.h"
#include "widgets/speech/speech.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace core;

namespace widgets {

namespace {

enum class Pick { font, color };

struct ButtonRole
{
    int group;
    Pick kind;
};

// Which picker each of the eight buttons opens; the memory game's frame has its colour
// button first.
constexpr std::array<ButtonRole, 8> roles{{{0, Pick::font},
                                           {0, Pick::color},
                                           {1, Pick::color},
                                           {1, Pick::font},
                                           {2, Pick::font},
                                           {2, Pick::color},
                                           {3, Pick::font},
                                           {3, Pick::color}}};

// Translated where they are shown.
constexpr std::array<const char *, 4> frameCaptions{
    QT_TRANSLATE_NOOP("widgets::FormOptions", "Font Settings"),
    QT_TRANSLATE_NOOP("widgets::FormOptions", "Font Settings Memory Game"),
    QT_TRANSLATE_NOOP("widgets::FormOptions", "Font Settings Answer Window"),
    QT_TRANSLATE_NOOP("widgets::FormOptions", "Font Settings Flash Card ")};

// What each group's text stands on in its own window; the answer group's colour is the
// background itself.
const std::array<QColor, 4> groundColors{QColor(Qt::white), QColor(128, 128, 255), QColor(),
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
int buttonFor(int group, Pick kind)
{
    for (int i = 0; i < int(roles.size()); ++i) {
        if (roles[i].group == group && roles[i].kind == kind)
            return i;
    }
    return -1;
}

} // namespace

FormOptions::FormOptions(DisplaySettings &display, learning::StudyPlanSettings &studyPlan,
                         SpeechSettings &speechSettings, platform::Services &services,
                         Speech &speech, QWidget *parent)
    : QWidget(parent, Qt::Window), display(display), studyPlan(studyPlan),
      speechSettings(speechSettings), services(services), speech(speech)
{
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(tr("Options"));
    createControls();
    for (int i = 0; i < int(pickButtons.size()); ++i)
        connect(pickButtons[i], &QPushButton::clicked, this, [this, i] { pickClicked(i); });
    for (int i = 0; i < int(dialogButtons.size()); ++i)
        connect(dialogButtons[i], &QPushButton::clicked, this,
                [this, i] { dialogButtonClicked(i); });
    connect(&speech, &Speech::availabilityChanged, this, &FormOptions::showVoices);
    connect(studyFrame, &StudyPlanFrame::fitRequested, this, &FormOptions::openFitWindow);
    formLoad();
    platform::cancelOnEscape(this, dialogButtons[0]);
}

FormOptions::~FormOptions() = default;

void FormOptions::createControls()
{
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    for (int group = 0; group < 4; ++group)
        grid->addWidget(createFrame(group), group / 2, group % 2);
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
    dialogButtons[0] = new QPushButton(tr("&Cancel"));
    dialogButtons[1] = new QPushButton(tr("&Ok"));
    for (int i = 0; i < 2; ++i) {
        dialogButtons[i]->setObjectName(indexed("Command2", i));
        row->addWidget(dialogButtons[i]);
    }
    layout->addLayout(row);
}

QGroupBox *FormOptions::createFrame(int group)
{
    QGroupBox *frame = groupFrames[group] = new QGroupBox(tr(frameCaptions[group]));
    frame->setObjectName(indexed("Frame1", group));
    // Frame captions in Arial Black, as in the main window; the buttons keep the plain font.
    QFont title(QStringLiteral("Arial Black"));
    title.setPointSizeF(QApplication::font().pointSizeF());
    title.setWeight(QFont::Black);
    frame->setFont(title);
    auto *layout = new QGridLayout(frame);
    QFont labelFont(QStringLiteral("Book Antiqua"));
    labelFont.setPointSizeF(QApplication::font().pointSizeF() + 1);
    const bool mainWindow = group == 0;
    const std::array<std::pair<Pick, QString>, 2> rows{
        {{Pick::font, mainWindow ? tr("Main Font Type") : tr("Font Type")},
         {Pick::color, mainWindow ? tr("Main Font Color") : tr("Font Color")}}};
    for (int r = 0; r < 2; ++r) {
        const int label = 2 * group + r, index = buttonFor(group, rows[r].first);
        pickCaptions[label] = new QLabel(rows[r].second);
        pickCaptions[label]->setObjectName(indexed("Label1", label));
        pickCaptions[label]->setFont(plain(labelFont));
        const bool font = rows[r].first == Pick::font;
        // Without access keys: each of the four frames has the two, and C is Cancel's.
        pickButtons[index] = new QPushButton(font ? tr("Select Font") : tr("Select Color"));
        pickButtons[index]->setObjectName(indexed("Command1", index));
        pickButtons[index]->setFont(plain(QApplication::font()));
        pickButtons[index]->setToolTip(font ? tr("Sets font of Main Window")
                                            : tr("Sets Color of Main window Word"));
        pickCaptions[label]->setBuddy(pickButtons[index]);
        layout->addWidget(pickCaptions[label], r, 0);
        layout->addWidget(pickButtons[index], r, 1);
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
        formLoad();
        show();
    }
    raise();
    activateWindow();
}

void FormOptions::formLoad()
{
    choices = display.styles();
    const QDateTime now = services.clock->now();
    std::optional<learning::ForecastInput> learner;
    if (pacedWords && learnerMemory) {
        try {
            learner =
                learning::readForecastInput(*learnerMemory, *pacedWords, studyPlan.plan(), now);
        } catch (const platform::Error &) {
            // Without the learner's memory the plan is still set; only the pace is not shown.
        }
    }
    studyFrame->setPlan(studyPlan.plan(), now.date(), learner);
    showVoices();
    speechFrame->setSettings(speechSettings.options());
    for (int group = 0; group < DisplayStyles::groupCount; ++group)
        showPreview(group);
}

void FormOptions::showPacingFor(const core::Dictionary &words, learning::LearnerMemory &memory)
{
    pacedWords = &words;
    learnerMemory = &memory;
    studyFrame->setFitAvailable(true);
    if (isVisible())
        formLoad();
}

void FormOptions::pickClicked(int index)
{
    if (index < 0 || index >= int(roles.size()))
        return;
    if (roles[index].kind == Pick::font)
        selectFont(roles[index].group);
    else
        selectColor(roles[index].group);
}

void FormOptions::dialogButtonClicked(int index)
{
    if (index == 0) {
        close();
        return;
    }
    saveStudyPlan();
    saveSpeech();
    // Whatever the answer to the question below, windows loaded from now on use the new choices.
    display.setStyles(choices);
    // The question and its answer speak of fonts and colours only: the study plan and speech
    // apply at once, and an Ok that leaves the file's fonts and colours as they are has nothing
    // to ask.
    if (!display.isSaved())
        saveDisplay();
}

void FormOptions::saveDisplay()
{
    auto &dialogs = *services.dialogs;
    if (dialogs.message(tr("Update Color and Font Settings ?"), platform::Icon::question,
                        platform::Buttons::okCancel) != platform::Answer::ok)
        return;
    try {
        display.save();
    } catch (const platform::Error &failure) {
        dialogs.message(tr("The settings could not be saved. %1").arg(failure.message()),
                        platform::Icon::critical, platform::Buttons::ok);
        return;
    }
    dialogs.message(tr("Settings have been saved , They will be loaded the next "
                       "time you start your program "),
                    platform::Icon::information, platform::Buttons::ok);
}

// The study plan is saved at Ok without a question, when it changed.
void FormOptions::saveStudyPlan()
{
    try {
        studyPlan.save(studyFrame->plan());
    } catch (const platform::Error &failure) {
        services.dialogs->message(tr("The study settings could not be saved. ") + failure.message(),
                                  platform::Icon::critical, platform::Buttons::ok);
    }
}

void FormOptions::showVoices()
{
    speechFrame->setVoices(speech.speaker().voices(), speech.speaker().reason());
}

// The speech settings are saved at Ok without a question, when they changed.
void FormOptions::saveSpeech()
{
    try {
        speechSettings.save(speechFrame->settings());
    } catch (const platform::Error &failure) {
        services.dialogs->message(tr("The speech settings could not be saved. ") +
                                      failure.message(),
                                  platform::Icon::critical, platform::Buttons::ok);
    }
}

// Its own window, not a modal one: Options and the main window stay in use while it fits.
void FormOptions::openFitWindow()
{
    if (!learnerMemory)
        return;
    if (!fitWindow)
        fitWindow = std::make_unique<FitWindow>(*learnerMemory, *services.clock, this);
    fitWindow->open();
}

TextStyle FormOptions::picker(int group) const
{
    return choices.style(DisplayStyles::Group(group));
}

void FormOptions::selectFont(int group)
{
    TextStyle current = picker(group);
    const auto chosen = services.dialogs->pickFont({current.fontName, double(current.fontSize)});
    if (!chosen || chosen->name.isEmpty())
        return;
    current.fontName = chosen->name;
    // A bitmap font may report no point size; the old size then stands.
    if (chosen->size > 0)
        current.fontSize = float(chosen->size);
    choices.setStyle(DisplayStyles::Group(group), current);
    showPreview(group);
}

void FormOptions::selectColor(int group)
{
    TextStyle current = picker(group);
    const auto chosen = services.dialogs->pickColor(current.color());
    if (!chosen || !chosen->isValid())
        return;
    current.colorCode = platform::codeFromColor(*chosen);
    choices.setStyle(DisplayStyles::Group(group), current);
    showPreview(group);
}

void FormOptions::showPreview(int group)
{
    const TextStyle current = picker(group);
    QFont font(current.fontName);
    // Big sizes would stretch the dialog; the sample only has to show the face.
    font.setPointSizeF(std::clamp(double(current.fontSize), 6.0, 20.0));
    font = plain(font);
    QLabel *sample = preview[group];
    sample->setFont(font);
    sample->setText(
        tr("%1, %2 pt").arg(current.fontName, QLocale::system().toString(current.fontSize)));
    const QColor color = current.color();
    const bool background = !groundColors[group].isValid();
    QPalette colors = sample->palette();
    colors.setColor(QPalette::Window, background ? color : groundColors[group]);
    colors.setColor(QPalette::WindowText, background ? platform::readableText(color) : color);
    sample->setPalette(colors);
    sample->setAccessibleName(tr("Sample of %1").arg(tr(frameCaptions[group]).trimmed()));
}

} // namespace widgets
