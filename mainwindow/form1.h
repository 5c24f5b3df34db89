#pragma once

#include "antworld.h"
#include "backgroundtask.h"
#include "checkbox.h"
#include "colorpic.h"
#include "combobox.h"
#include "commandbutton.h"
#include "controlarray.h"
#include "dotqueue.h"
#include "filedialog.h"
#include "form.h"
#include "menu.h"
#include "picturebox.h"
#include "runrecording.h"
#include "surface.h"
#include "timer.h"

#include <cstdint>
#include <string>

namespace mainwindow {

// The program's window: a row of controls along the top (Clear, Start, Stop, Pause, the interval,
// steps and dot-size lists, and the two colour swatches with their pickers) above the drawing area,
// where the ant runs on a timer and every flipped cell is drawn as a square dot. The drawing
// area's menu copies or saves the picture, or saves the run since its Start as an animation; none
// of them touches the run.
class Form1 : public platform::Form {
public:
    Form1();
    ~Form1() override;

    // The controls, by the names of the design.
    platform::CommandButton cmdClear;
    platform::CommandButton cmdStart;
    platform::CommandButton cmdStop;
    platform::CheckBox chkPause;
    platform::ComboBox cboInterval;
    platform::ComboBox cboSteps;
    platform::ComboBox cboDotSize;
    colorpic::ColorPic cpOne;
    colorpic::ColorPic cpTwo;
    platform::PictureBox picDest;
    platform::ControlArray<platform::PictureBox> picSrc;
    platform::Timer Timer;
    // The drawing area's menu: the user keeps the picture.
    platform::Menu mnuPicture;
    platform::MenuItem mnuCopy;
    platform::MenuItem mnuSave;
    platform::MenuItem mnuSaveAnimation;
    platform::FileDialog dlgSave;

    const sim::AntWorld& world() const { return world_; }
    std::int32_t stepsPerCycle() const { return stepsPerCycle_; }
    std::int32_t cycleInterval() const { return cycleInterval_; }
    std::int32_t dotSize() const { return world_.dotSize(); }
    const RunRecording& recording() const { return recording_; }
    platform::BackgroundTask& saveTask() { return saveTask_; }

    // One timer cycle, as a tick runs it.
    void Timer_Timer();

private:
    void Form_Load();
    void Form_Resize();
    void cmdStart_Click();
    void cmdStop_Click();
    void chkPause_Click();
    void cmdClear_Click();
    void cboSteps_Click();
    void cboInterval_Click();
    void cboDotSize_Click();
    void cpOne_RGBChanged();
    void cpTwo_RGBChanged();
    void picDest_ContextMenu(int x, int y, bool byKeyboard);
    void mnuCopy_Click();
    void mnuSave_Click();
    void mnuSaveAnimation_Click();
    void ShowGridSize();
    // The save dialog for one kind of file, proposing `name`; true when the user chose a file. The
    // title and the filter are the design's, shown in the user's language.
    bool ChooseFile(const char* title, const char* filter, const char* extension, const char* name);

    sim::AntWorld world_;
    DotQueue dots_;
    platform::DeviceContext destDC;
    std::int32_t stepsPerCycle_ = 0;
    std::int32_t cycleInterval_ = 0;
    RunRecording recording_;
    platform::BackgroundTask saveTask_;
    // The captions' words in the user's language, looked up once: the run caption is written every cycle.
    std::string sizeCaptionWords_;
    std::string runCaptionWords_;
};

} // namespace mainwindow
