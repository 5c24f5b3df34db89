#include "form1fixture.h"

using namespace testing_form1;

namespace {

TEST_F(Form1Test, TheDrawingAreaFillsTheWindowBelowTheRow)
{
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 568, 383));
    ResizeTo(700, 500);
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 700, 476));
    EXPECT_EQ(form.Caption(), "Vemmick 2  Size: 232 x 158");
    EXPECT_EQ(form.cmdStart.pixelRect(), QRect(32, 0, 30, 21)) << "the row never moves";
}

TEST_F(Form1Test, TheDrawingAreaKeepsItsMinimumSize)
{
    ResizeTo(300, 24);
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 300, 7)) << "height raised to dot size + 4";
    EXPECT_EQ(form.Caption(), "Vemmick 2  Size: 99 x 1");
    ResizeTo(5, 100);
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 7, 76)) << "width raised past the right edge";
    EXPECT_EQ(form.Caption(), "Vemmick 2  Size: 1 x 24");
    ResizeTo(1, 1);
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 7, 76)) << "the move to a negative height is rejected as a whole";
}

TEST_F(Form1Test, TheMinimumFollowsTheDotSizeOfTheMomentOfTheResize)
{
    Pick(form.cboDotSize, "15");
    ResizeTo(10, 30);
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 19, 19));
    Pick(form.cboDotSize, "3");
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 19, 19)) << "a later dot size does not lay out again";
    ResizeTo(10, 29);
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 10, 7));
}

TEST_F(Form1Test, MinimisingLeavesTheDrawingAreaAndRestoringLaysItOutAgain)
{
    ResizeTo(400, 300);
    form.setWindowState(platform::Form::Minimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ScaleWidth() == 0; }, 1000));
    QCoreApplication::processEvents();
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 400, 276));
    EXPECT_EQ(form.Caption(), "Vemmick 2  Size: 132 x 91");
    form.setWindowState(platform::Form::Normal);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ScaleWidth() == 400; }, 1000));
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 400, 276));
}

TEST_F(Form1Test, AResizeDuringARunShowsTheSizeCaptionUntilTheNextCycle)
{
    Pick(form.cboInterval, "30000"); // no cycle but those below
    Click(form.cmdStart);
    form.Timer_Timer();
    ResizeTo(300, 200);
    EXPECT_EQ(form.Caption(), "Vemmick 2  Size: 99 x 58");
    EXPECT_EQ(form.world().gridWidth(), 188) << "the world keeps its size";
    form.Timer_Timer();
    EXPECT_EQ(form.Caption().rfind("188 x 127  2000 Steps", 0), 0U) << form.Caption();
}

} // namespace
