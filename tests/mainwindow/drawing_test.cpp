#include "captions.h"
#include "form1fixture.h"

using namespace testing_form1;

namespace {

// Every pixel of the drawing area, on screen, against the simulation run alone: cells in state 1
// are colour one, all else colour two.
void ExpectPictureOf(const mainwindow::Form1& form, const sim::AntWorld& reference, const QImage& screen)
{
    const int size = form.dotSize();
    const int width = static_cast<int>(form.picDest.ScaleWidth());
    const int height = static_cast<int>(form.picDest.ScaleHeight());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int cx = x / size + 1;
            const int cy = y / size + 1;
            const bool inGrid = cx <= reference.gridWidth() && cy <= reference.gridHeight();
            const ColorValue expected = inGrid && reference.cell(cx, cy) ? SpringGreen : Purple;
            ASSERT_EQ(platform::FromPixel(screen.pixel(x + 1, y + 1)), expected) << "pixel " << x << "," << y;
        }
}

class DotSizes : public Form1Test, public ::testing::WithParamInterface<int> {};

TEST_P(DotSizes, ThePictureMatchesTheSimulation)
{
    const sim::AntWorld reference = RunThreeCycles(GetParam());
    EXPECT_EQ(form.world().colorOneCount(), reference.colorOneCount());
    ExpectPictureOf(form, reference, Screen());
    const auto shares = reference.ColorShares();
    EXPECT_EQ(form.Caption(),
              sim::RunCaption(reference.gridWidth(), reference.gridHeight(), 30000, shares.colorOne, shares.colorTwo));
}

INSTANTIATE_TEST_SUITE_P(Form1, DotSizes, ::testing::Values(1, 3, 15));

TEST_F(Form1Test, ThePictureSurvivesShrinkingMinimisingAndGrowingBack)
{
    Pick(form.cboSteps, "10000");
    Pick(form.cboInterval, "30000");
    Click(form.cmdStart);
    form.Timer_Timer();
    form.Timer_Timer();
    const sim::AntWorld reference = Reference(form, 30000);
    ResizeTo(200, 150);
    form.Timer_Timer(); // dots drawn beyond the visible part are kept too
    ResizeTo(1, 1);
    form.setWindowState(platform::Form::Minimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ScaleWidth() == 0; }, 1000));
    form.setWindowState(platform::Form::Normal);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ScaleWidth() == 1; }, 1000));
    ResizeTo(568, 407);
    ASSERT_EQ(form.world().gridWidth(), reference.gridWidth());
    EXPECT_EQ(form.world().colorOneCount(), reference.colorOneCount());
    ExpectPictureOf(form, reference, Screen());
}

TEST_F(Form1Test, TheLargestDotLeavesTheRightStripUntouched)
{
    ResizeTo(457, 24 + 337);
    Pick(form.cboDotSize, "15");
    Pick(form.cboSteps, "100000");
    Click(form.cmdStart);
    EXPECT_EQ(form.world().gridWidth(), 30);
    form.Timer_Timer();
    for (int y = 0; y < 335; ++y)
        for (int x = 450; x < 455; ++x)
            ASSERT_EQ(Drawn(x, y), Purple);
    int columnLast = 0;
    for (int y = 0; y < 335; ++y)
        columnLast += Drawn(449, y) == SpringGreen;
    EXPECT_GT(columnLast, 0) << "the last column, pixels 435 to 449, is drawn";
}

TEST_F(Form1Test, TheFirstDotOfARunOnATenByTenGrid)
{
    ResizeTo(32, 24 + 32); // a drawing area 30 by 30 inside
    Pick(form.cboSteps, "1");
    Click(form.cmdStart);
    ASSERT_EQ(form.world().gridWidth(), 10);
    form.Timer_Timer();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(Drawn(x, y), x >= 12 && x <= 14 && y >= 12 && y <= 14 ? SpringGreen : Purple) << x << "," << y;
    EXPECT_EQ(form.Caption(), "10 x 10  1 Steps  Color 1: 1%  Color 2: 99%");

    Pick(form.cboSteps, "1");
    Click(form.cmdStop);
    Pick(form.cboDotSize, "1");
    Click(form.cmdStart);
    form.Timer_Timer();
    EXPECT_EQ(Drawn(14, 14), SpringGreen) << "dot size 1: the start cell (15, 15) is pixel (14, 14)";
    EXPECT_EQ(Drawn(15, 14), Purple);
}

TEST_F(Form1Test, DotsDrawnBeforeAColourChangeKeepTheirColour)
{
    Pick(form.cboSteps, "1000");
    Click(form.cmdStart);
    form.Timer_Timer();
    const sim::AntWorld before = Reference(form, 1000);
    // Pick pure red (column 0, row 0) in the colour-one picker.
    QTest::mouseClick(window(), Qt::LeftButton, {}, PaletteCell(mainwindow::design::cpOne, 0, 0));
    ASSERT_EQ(form.cpOne.RGBColor(), RGB(255, 0, 0));
    EXPECT_EQ(form.picSrc(1).BackColor(), RGB(255, 0, 0));
    form.Timer_Timer();
    const sim::AntWorld after = Reference(form, 2000);
    // Which cells did the second cycle flip? Those whose dot was drawn again.
    sim::AntWorld replay = Reference(form, 1000);
    std::vector<std::uint8_t> flipped(replay.storeSize(), 0);
    for (int i = 0; i < 1000; ++i)
        replay.StepAnt([&](int x, int y, int) { flipped[replay.index(x, y)] = 1; });
    const int size = form.dotSize();
    for (int cy = 1; cy <= after.gridHeight(); ++cy)
        for (int cx = 1; cx <= after.gridWidth(); ++cx) {
            ColorValue expected = Purple;
            if (flipped[after.index(cx, cy)])
                expected = after.cell(cx, cy) ? RGB(255, 0, 0) : Purple;
            else if (before.cell(cx, cy))
                expected = SpringGreen;
            ASSERT_EQ(Drawn((cx - 1) * size + 1, (cy - 1) * size + 1), expected) << cx << "," << cy;
        }
}

} // namespace
