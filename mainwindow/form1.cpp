// The main window: its controls, run control, dot drawing and layout.
//
// From a flipped cell to the screen, once per timer cycle (Timer_Timer):
//   1. state change  world_.StepAntMarking flips the cell under the ant and sets its mark in the
//                    same write (simulation/antworld.h); the mark says "already queued".
//   2. queue         dots_.add keeps each cell flipped in this cycle once (mainwindow/dotqueue.h).
//   3. dot copy      dots_.flush hands each queued cell back; Unmark clears its mark and gives its
//                    final state, and BitBlt copies that state's swatch into picDest's surface
//                    (platform/pixels/dotcopy.h). Steps 1 to 3 are RunCycle (mainwindow/runcycle.h),
//                    which also draws a saved run again.
//   4. changed tiles each copy marks the 32-pixel tile it drew into (platform/pixels/surface.h).
//   5. Refresh       picDest.Refresh asks Qt to repaint the region of the changed tiles only.
//   6. paint         the picture box's widget paints that region from the surface's image.
#include "form1.h"

#include "captions.h"
#include "clipboard.h"
#include "dotcopy.h"
#include "errors.h"
#include "form1design.h"
#include "msgbox.h"
#include "picturefile.h"
#include "pictures.h"
#include "runcycle.h"

#include <charconv>
#include <memory>
#include <string>
#include <vector>

namespace mainwindow {

using platform::PictureBox;

namespace {

// A text of the window's design in the user's language.
std::string Tr(const char* text) { return platform::Tr(design::TextContext, text); }

platform::Design Tr(const platform::Design& control) { return platform::Tr(design::TextContext, control); }

// The lists hold only decimal numbers, so their text always converts.
std::int32_t ToInt32(const std::string& text)
{
    std::int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

Form1::Form1()
    : Form("Vemmick", design::FormWidth, design::FormHeight)
    , cmdClear(*this, Tr(design::cmdClear), ClearPicture())
    , cmdStart(*this, Tr(design::cmdStart), StartPicture())
    , cmdStop(*this, Tr(design::cmdStop), StopPicture())
    , chkPause(*this, Tr(design::chkPause), PausePicture(), 0)
    , cboInterval(*this, Tr(design::cboInterval))
    , cboSteps(*this, Tr(design::cboSteps))
    , cboDotSize(*this, Tr(design::cboDotSize))
    , cpOne(*this, Tr(design::cpOne))
    , cpTwo(*this, Tr(design::cpTwo))
    , picDest(*this, Tr(design::picDest), design::DestBackColor, platform::BorderFixedSingle)
    , Timer(false, design::TimerInterval)
    , mnuPicture(*this, Tr(design::PictureMenuName))
    , mnuCopy(mnuPicture, Tr(design::CopyCaption), design::CopyShortcut)
    , mnuSave(mnuPicture, Tr(design::SaveCaption), design::SaveShortcut)
    , mnuSaveAnimation(mnuPicture, Tr(design::SaveAnimationCaption), design::SaveAnimationShortcut)
    , dlgSave(*this)
    , saveTask_(*this)
    , sizeCaptionWords_(Tr(design::SizeCaptionWords))
    , runCaptionWords_(Tr(design::RunCaptionWords))
{
    picSrc.Load(1, *this, Tr(design::picSrc1), design::StartColorOne, platform::BorderFixedSingle);
    picSrc.Load(0, *this, Tr(design::picSrc0), design::StartColorTwo, platform::BorderFixedSingle);
    picDest.setAccessibleName(Tr(design::DrawingAreaName));
    cpOne.CreateFromText(design::cpOneSaved);
    cpTwo.CreateFromText(design::cpTwoSaved);
    setIcon({IconPicture(16), IconPicture(32)});

    Load = [this] { Form_Load(); };
    Resize = [this] { Form_Resize(); };
    cmdStart.Click = [this] { cmdStart_Click(); };
    cmdStop.Click = [this] { cmdStop_Click(); };
    chkPause.Click = [this] { chkPause_Click(); };
    cmdClear.Click = [this] { cmdClear_Click(); };
    cboSteps.Click = [this] { cboSteps_Click(); };
    cboInterval.Click = [this] { cboInterval_Click(); };
    cboDotSize.Click = [this] { cboDotSize_Click(); };
    cpOne.RGBChanged = [this] { cpOne_RGBChanged(); };
    cpTwo.RGBChanged = [this] { cpTwo_RGBChanged(); };
    Timer.Tick = [this] { Timer_Timer(); };
    picDest.ContextMenu = [this](int x, int y, bool byKeyboard) { picDest_ContextMenu(x, y, byKeyboard); };
    mnuCopy.Click = [this] { mnuCopy_Click(); };
    mnuSave.Click = [this] { mnuSave_Click(); };
    mnuSaveAnimation.Click = [this] { mnuSaveAnimation_Click(); };
    mnuSaveAnimation.setEnabled(false); // until a run has drawn its first cycle
    dlgSave.InitDir = platform::PicturesFolder();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    destDC = picDest.hDC();
    world_.setDotSize(design::StartDotSize);
    for (int i = design::MinDotSize; i <= design::MaxDotSize; ++i)
        cboDotSize.AddItem(std::to_string(i));
    cboDotSize.setText(std::to_string(world_.dotSize()));
    for (const char* item : design::IntervalItems)
        cboInterval.AddItem(item);
    cboInterval.setListIndex(design::IntervalStartIndex);
    for (const char* item : design::StepsItems)
        cboSteps.AddItem(item);
    cboSteps.setListIndex(design::StepsStartIndex);
    cpOne.setRGBColor(picSrc(1).BackColor());
    cpTwo.setRGBColor(picSrc(0).BackColor());
    picDest.setBackColor(cpTwo.RGBColor());
}

void Form1::Form_Resize()
{
    // Every step goes on after a failure of the one before, like the rest of the layout.
    platform::ResumeNext([&] { picDest.Move(0, picDest.Top(), ScaleWidth(), ScaleHeight() - picDest.Top()); });
    const auto minimum = static_cast<float>(world_.dotSize() + design::DrawingAreaMargin);
    platform::ResumeNext([&] {
        if (picDest.Width() < minimum)
            picDest.setWidth(minimum);
    });
    platform::ResumeNext([&] {
        if (picDest.Height() < minimum)
            picDest.setHeight(minimum);
    });
    platform::ResumeNext([&] { ShowGridSize(); });
}

void Form1::cmdStart_Click()
{
    Timer.setEnabled(true);
    picDest.setBackColor(cpTwo.RGBColor());
    cboDotSize.setEnabled(false);
    chkPause.setValue(0);
    chkPause.setEnabled(true);
    StartRun(world_, dots_, picDest.ScaleWidth(), picDest.ScaleHeight());
    picDest.Cls();
    recording_.Begin(static_cast<int>(picDest.ScaleWidth()), static_cast<int>(picDest.ScaleHeight()), world_.dotSize(), picDest.BackColor());
    mnuSaveAnimation.setEnabled(false);
}

void Form1::cmdStop_Click()
{
    chkPause.setValue(0);
    chkPause.setEnabled(false);
    Timer.setEnabled(false);
    cboDotSize.setEnabled(true);
    recording_.End();
}

void Form1::chkPause_Click() { Timer.setEnabled(chkPause.Value() != 1); }

void Form1::cmdClear_Click()
{
    picDest.Cls();
    recording_.Clear();
}

void Form1::cboSteps_Click() { stepsPerCycle_ = ToInt32(cboSteps.Text()); }

void Form1::cboInterval_Click()
{
    cycleInterval_ = ToInt32(cboInterval.Text());
    Timer.setInterval(cycleInterval_);
}

void Form1::cboDotSize_Click()
{
    world_.setDotSize(ToInt32(cboDotSize.Text()));
    ShowGridSize();
}

void Form1::cpOne_RGBChanged() { picSrc(1).setBackColor(cpOne.RGBColor()); }

void Form1::cpTwo_RGBChanged() { picSrc(0).setBackColor(cpTwo.RGBColor()); }

void Form1::picDest_ContextMenu(int x, int y, bool byKeyboard) { mnuPicture.Popup(picDest, x, y, byKeyboard); }

void Form1::mnuCopy_Click() { platform::Clipboard::SetData(picDest.Image()); }

bool Form1::ChooseFile(const char* title, const char* filter, const char* extension, const char* name)
{
    dlgSave.DialogTitle = Tr(title);
    dlgSave.Filter = Tr(filter);
    dlgSave.DefaultExt = extension;
    dlgSave.FileName = name;
    return dlgSave.ShowSave();
}

void Form1::mnuSave_Click()
{
    // The picture of this moment: a run goes on while the dialog is open.
    const platform::Picture picture = picDest.Image();
    if (!ChooseFile(design::SaveDialogTitle, design::PictureFilter, design::PictureExtension, design::PictureFileName))
        return;
    try {
        platform::SavePicture(picture, dlgSave.FileName);
    } catch (const platform::FileError& error) {
        platform::MsgBox(*this, platform::Fill(Tr(design::PictureNotSaved), {dlgSave.FileName, error.what()}), design::ProgramTitle);
    }
}

void Form1::mnuSaveAnimation_Click()
{
    if (recording_.cycleCount() == 0)
        return;
    if (saveTask_.Busy()) {
        platform::MsgBox(*this, Tr(design::SaveUnderWay), design::ProgramTitle);
        return;
    }
    // The run up to this moment: it goes on while the dialog is open and while the file is made.
    auto run = std::make_shared<RunRecording>(recording_);
    run->setLastInterval(cycleInterval_);
    if (!ChooseFile(design::SaveAnimationDialogTitle, design::AnimationFilter, design::AnimationExtension, design::AnimationFileName))
        return;
    const std::string path = dlgSave.FileName;
    // The file is made on the task's thread and written here, once the user can no longer cancel.
    auto bytes = std::make_shared<std::vector<std::uint8_t>>();
    const auto failed = [this, path](const std::string& error) {
        platform::MsgBox(*this, platform::Fill(Tr(design::AnimationNotSaved), {path, error}), design::ProgramTitle);
    };
    saveTask_.Start(
        Tr(design::SavingAnimation),
        [run, bytes](platform::TaskProgress& progress) {
            *bytes = run->MakeAnimation(progress, design::MaxAnimationFrames, design::MaxAnimationBytes);
        },
        [bytes, path, failed](const std::string& error) {
            if (!error.empty())
                return failed(error);
            try {
                platform::SaveBytes(*bytes, path);
            } catch (const platform::FileError& writing) {
                failed(writing.what());
            }
        });
}

void Form1::Timer_Timer()
{
    if (!world_.hasWorld())
        return; // the timer only runs after Start; nothing to step before a world exists
    destDC = picDest.hDC();
    recording_.Cycle(stepsPerCycle_, cycleInterval_, picSrc(0).BackColor(), picSrc(1).BackColor());
    const platform::DeviceContext swatch[2] = {picSrc(0).hDC(), picSrc(1).hDC()};
    RunCycle(world_, dots_, destDC, swatch, stepsPerCycle_);
    picDest.Refresh();
    mnuSaveAnimation.setEnabled(true);
    const sim::Shares shares = world_.ColorShares();
    setCaption(sim::RunCaption(world_.gridWidth(), world_.gridHeight(), world_.stepCount(), shares.colorOne, shares.colorTwo,
                               runCaptionWords_));
}

void Form1::ShowGridSize()
{
    setCaption(sim::SizeCaption(picDest.ScaleWidth(), picDest.ScaleHeight(), world_.dotSize(), sizeCaptionWords_));
}

} // namespace mainwindow
