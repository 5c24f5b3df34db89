#pragma once

#include "captions.h"
#include "colorvalue.h"
#include "design.h"
#include "translations.h"

#include <array>
#include <string_view>
#include <utility>

namespace mainwindow::design {

// Every text of the window is written here in English, marked for the translators' tools, and
// shown in the user's language (platform/core/translations.h) in this context.
inline constexpr const char* TextContext = "Form1";

// The main window as designed: every length in twips, 15 to a pixel. All controls of the top row
// are 315 twips (21 pixels) high.
inline constexpr int FormWidth = 8520;
inline constexpr int FormHeight = 6105;
inline constexpr int RowHeight = 315;

//                                  name           left   top  width   height     tab  tooltip
inline const platform::Design cmdClear{"cmdClear",       0,   0,  450, RowHeight,  0, QT_TRANSLATE_NOOP("Form1", "Clear image")};
inline const platform::Design cmdStart{"cmdStart",     480,   0,  450, RowHeight,  1, QT_TRANSLATE_NOOP("Form1", "Start")};
inline const platform::Design cmdStop{"cmdStop",       960,   0,  450, RowHeight,  2, QT_TRANSLATE_NOOP("Form1", "Stop")};
inline const platform::Design chkPause{"chkPause",    1440,   0,  450, RowHeight,  3, QT_TRANSLATE_NOOP("Form1", "Pause"), true, false};
inline const platform::Design cboInterval{"cboInterval", 2040, 0, 975, RowHeight,  4, QT_TRANSLATE_NOOP("Form1", "Milliseconds between cycles")};
inline const platform::Design cboSteps{"cboSteps",    3120,   0,  975, RowHeight,  5, QT_TRANSLATE_NOOP("Form1", "Steps per cycle")};
inline const platform::Design cboDotSize{"cboDotSize", 4200,  0,  615, RowHeight,  6, QT_TRANSLATE_NOOP("Form1", "Select dot size")};
inline const platform::Design cpOne{"cpOne",          5160,   0,  765, RowHeight,  7, QT_TRANSLATE_NOOP("Form1", "Select color one")};
inline const platform::Design cpTwo{"cpTwo",          6240,   0,  765, RowHeight,  8, QT_TRANSLATE_NOOP("Form1", "Select color two")};
inline const platform::Design picDest{"picDest",         0, 360, 6855,      5055,  9, ""};
inline const platform::Design picSrc1{"picSrc",       4920,   0,  255, RowHeight, 10, QT_TRANSLATE_NOOP("Form1", "Color one")};
inline const platform::Design picSrc0{"picSrc",       6000,   0,  255, RowHeight, 11, QT_TRANSLATE_NOOP("Form1", "Color two")};

// Every control of the table, by its name here, for the scripts that find them on the screen.
inline const std::array<std::pair<const char*, const platform::Design*>, 12> Controls{{
    {"cmdClear", &cmdClear}, {"cmdStart", &cmdStart}, {"cmdStop", &cmdStop}, {"chkPause", &chkPause},
    {"cboInterval", &cboInterval}, {"cboSteps", &cboSteps}, {"cboDotSize", &cboDotSize}, {"cpOne", &cpOne},
    {"cpTwo", &cpTwo}, {"picDest", &picDest}, {"picSrc1", &picSrc1}, {"picSrc0", &picSrc0}}};

// The pickers' saved properties.
inline constexpr const char* cpOneSaved = "SizeFactor = 1\n";
inline constexpr const char* cpTwoSaved = "SizeFactor = 1\n";

inline constexpr int TimerInterval = 20;

// The colours the program starts with: colour one (spring green) and colour two (purple), also
// those of its icon; the drawing area is white until the start-up paints it in colour two.
inline constexpr platform::ColorValue StartColorOne = platform::RGB(68, 255, 175);
inline constexpr platform::ColorValue StartColorTwo = platform::RGB(139, 0, 174);
inline constexpr platform::ColorValue DestBackColor = platform::RGB(255, 255, 255);

// The lists' items and the item each starts with.
inline constexpr std::array<const char*, 7> IntervalItems{"20", "100", "300", "1000", "3000", "10000", "30000"};
inline constexpr int IntervalStartIndex = 0;
inline constexpr std::array<const char*, 6> StepsItems{"1", "10", "100", "1000", "10000", "100000"};
inline constexpr int StepsStartIndex = 3;
inline constexpr int MinDotSize = 1;
inline constexpr int MaxDotSize = 15;
inline constexpr int StartDotSize = 3;

// The drawing area's menu, and where its pictures go.
inline constexpr const char* PictureMenuName = QT_TRANSLATE_NOOP("Form1", "Picture");
inline constexpr const char* CopyCaption = QT_TRANSLATE_NOOP("Form1", "&Copy Picture");
inline constexpr const char* CopyShortcut = "Ctrl+C";
inline constexpr const char* SaveCaption = QT_TRANSLATE_NOOP("Form1", "&Save Picture As...");
inline constexpr const char* SaveShortcut = "Ctrl+S";
inline constexpr const char* SaveDialogTitle = QT_TRANSLATE_NOOP("Form1", "Save Picture As");
inline constexpr const char* PictureFilter = QT_TRANSLATE_NOOP("Form1", "PNG image (*.png)");
inline constexpr const char* PictureExtension = "png";
inline constexpr const char* PictureFileName = "vemmick.png";
inline constexpr const char* SaveAnimationCaption = QT_TRANSLATE_NOOP("Form1", "Save &Animation As...");
inline constexpr const char* SaveAnimationShortcut = "Ctrl+Shift+S";
inline constexpr const char* SaveAnimationDialogTitle = QT_TRANSLATE_NOOP("Form1", "Save Animation As");
inline constexpr const char* AnimationFilter = QT_TRANSLATE_NOOP("Form1", "GIF animation (*.gif)");
inline constexpr const char* AnimationExtension = "gif";
inline constexpr const char* AnimationFileName = "vemmick.gif";
inline constexpr const char* SavingAnimation = QT_TRANSLATE_NOOP("Form1", "Saving the animation...");
inline constexpr const char* SaveUnderWay = QT_TRANSLATE_NOOP("Form1", "An animation is being saved. Wait until it is saved, or cancel it, before saving another.");
inline constexpr const char* PictureNotSaved = QT_TRANSLATE_NOOP("Form1", "The picture could not be saved as\n%1\n\n%2");
inline constexpr const char* AnimationNotSaved = QT_TRANSLATE_NOOP("Form1", "The animation could not be saved as\n%1\n\n%2");
// A saved run keeps at most this many frames and about this many bytes: a longer or busier run is
// sampled evenly.
inline constexpr int MaxAnimationFrames = 1500;
inline constexpr std::size_t MaxAnimationBytes = 50'000'000;
inline constexpr const char* DrawingAreaName = QT_TRANSLATE_NOOP("Form1", "Drawing area");

// The captions' words, those of the simulation's captions.
inline constexpr const char* SizeCaptionWords = QT_TRANSLATE_NOOP("Form1", "Vemmick 2  Size: %1 x %2");
inline constexpr const char* RunCaptionWords = QT_TRANSLATE_NOOP("Form1", "%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%");
static_assert(std::string_view(SizeCaptionWords) == sim::SizeCaptionWords && std::string_view(RunCaptionWords) == sim::RunCaptionWords);

// The program's name, as its messages are titled.
inline constexpr const char* ProgramTitle = "Vemmick 2";

// The drawing area never shrinks below one dot and a margin: its border and a pixel either side.
inline constexpr int DrawingAreaMargin = 4;

} // namespace mainwindow::design
