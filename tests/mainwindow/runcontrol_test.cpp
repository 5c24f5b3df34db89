#include "form1fixture.h"

using namespace testing_form1;

namespace {

TEST_F(Form1Test, StartRunsCyclesOnTheTimerAndWritesTheRunCaption)
{
    Click(form.cmdStart);
    ExpectState(RunState::Running);
    EXPECT_EQ(form.Caption(), "Vemmick 2  Size: 188 x 127") << "Start leaves the caption to the first cycle";
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.world().stepCount() >= 3000; }, 5000));
    EXPECT_EQ(form.world().stepCount() % 1000, 0) << "whole cycles of 1000 steps";
    const auto caption = form.Caption();
    EXPECT_EQ(caption.rfind("188 x 127  ", 0), 0U) << caption;
    EXPECT_NE(caption.find(" Steps  Color 1: "), std::string::npos) << caption;
}

TEST_F(Form1Test, PauseFreezesAndResumesTheSameWorld)
{
    Click(form.cmdStart);
    form.Timer_Timer();
    Click(form.chkPause);
    ExpectState(RunState::Paused);
    const auto steps = form.world().stepCount();
    const auto caption = form.Caption();
    QTest::qWait(80);
    EXPECT_EQ(form.world().stepCount(), steps);
    Click(form.chkPause);
    ExpectState(RunState::Running);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.world().stepCount() > steps; }, 2000));
    const sim::AntWorld reference = Reference(form, form.world().stepCount());
    EXPECT_EQ(form.world().antX(), reference.antX()) << "the same world went on";
    EXPECT_EQ(form.world().colorOneCount(), reference.colorOneCount());
}

TEST_F(Form1Test, StopWhileRunningAndWhilePaused)
{
    Click(form.cmdStop);
    ExpectState(RunState::Idle);
    Click(form.cmdStart);
    form.Timer_Timer();
    Click(form.cmdStop);
    ExpectState(RunState::Stopped);
    const auto caption = form.Caption();
    QTest::qWait(60);
    EXPECT_EQ(form.Caption(), caption) << "the last run caption stays";

    Click(form.cmdStart);
    Click(form.chkPause);
    ExpectState(RunState::Paused);
    Click(form.cmdStop);
    ExpectState(RunState::Stopped);
    Click(form.chkPause);
    ExpectState(RunState::Stopped);
}

TEST_F(Form1Test, StartFromEveryStateMakesAFreshWorld)
{
    Click(form.cmdStart);
    form.Timer_Timer();
    Click(form.chkPause); // paused
    Click(form.cmdStart);
    ExpectState(RunState::Running);
    EXPECT_EQ(form.world().stepCount(), 0);
    EXPECT_EQ(Drawn(280, 190), Purple);
    form.Timer_Timer();
    Click(form.cmdStop);
    Click(form.cmdStart); // from stopped
    EXPECT_EQ(form.world().stepCount(), 0);
    EXPECT_EQ(form.world().colorOneCount(), 0);
    form.Timer_Timer();
    Click(form.cmdStart); // while running
    EXPECT_EQ(form.world().stepCount(), 0);
    ExpectState(RunState::Running);
}

TEST_F(Form1Test, ClearWipesThePictureButNotTheWorld)
{
    Click(form.cmdStart);
    form.Timer_Timer();
    const auto ones = form.world().colorOneCount();
    Click(form.cmdClear);
    ExpectState(RunState::Running);
    for (int y = 0; y < 381; y += 7)
        for (int x = 0; x < 566; x += 7)
            ASSERT_EQ(Drawn(x, y), Purple);
    EXPECT_EQ(form.world().colorOneCount(), ones);
    form.Timer_Timer();
    const sim::AntWorld reference = Reference(form, 2000);
    EXPECT_EQ(form.world().colorOneCount(), reference.colorOneCount());
    EXPECT_EQ(form.Caption().rfind("188 x 127  2000 Steps", 0), 0U) << form.Caption();

    Click(form.cmdStop);
    Click(form.cmdClear);
    ExpectState(RunState::Stopped);
}

TEST_F(Form1Test, ANewColourTwoShowsInNewDotsWhileClearKeepsTheOldBackground)
{
    Click(form.cmdStart);
    form.Timer_Timer();
    // Pick the palette's black (column 0, row 18) in the colour-two picker.
    QTest::mouseClick(window(), Qt::LeftButton, {}, PaletteCell(mainwindow::design::cpTwo, 0, 18));
    ASSERT_EQ(form.cpTwo.RGBColor(), RGB(0, 0, 0));
    EXPECT_EQ(form.picSrc(0).BackColor(), RGB(0, 0, 0));
    Click(form.cmdClear);
    EXPECT_EQ(Drawn(5, 5), Purple) << "cleared to the colour two of the last Start";
    form.Timer_Timer();
    int black = 0;
    for (int y = 0; y < 381; ++y)
        for (int x = 0; x < 566; ++x)
            black += Drawn(x, y) == RGB(0, 0, 0);
    EXPECT_GT(black, 0) << "cells turned to state 0 show the new colour two";
    Click(form.cmdStart);
    EXPECT_EQ(form.picDest.BackColor(), RGB(0, 0, 0)) << "the next Start takes it as background";
}

TEST_F(Form1Test, SettingsTakeEffectAtTheNextCycle)
{
    Click(form.cmdStart);
    Pick(form.cboSteps, "10");
    form.Timer_Timer();
    EXPECT_EQ(form.world().stepCount(), 10);
    Pick(form.cboSteps, "100000");
    form.Timer_Timer();
    EXPECT_EQ(form.world().stepCount(), 100010);
    Pick(form.cboInterval, "3000");
    EXPECT_EQ(form.Timer.Interval(), 3000);
    EXPECT_EQ(form.cycleInterval(), 3000);
    EXPECT_FALSE(form.cboDotSize.Enabled()) << "no dot size during a run";
    Click(form.cmdStop);
    Pick(form.cboInterval, "100");
    EXPECT_EQ(form.Timer.Interval(), 100) << "a stopped timer keeps the value";
    Pick(form.cboDotSize, "15");
    EXPECT_EQ(form.dotSize(), 15);
    EXPECT_EQ(form.Caption(), "Vemmick 2  Size: 37 x 25");
    EXPECT_EQ(form.world().gridWidth(), 188) << "the existing world keeps its size";
}

} // namespace
