#include "form1fixture.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include <vector>

using namespace testing_form1;

namespace {

std::vector<std::string> Items(const platform::ComboBox& combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo.ListCount(); ++i)
        items.push_back(combo.List(i));
    return items;
}

TEST_F(Form1Test, StartsIdleWithTheDefaultsSelected)
{
    EXPECT_EQ(Items(form.cboInterval), (std::vector<std::string>{"20", "100", "300", "1000", "3000", "10000", "30000"}));
    EXPECT_EQ(Items(form.cboSteps), (std::vector<std::string>{"1", "10", "100", "1000", "10000", "100000"}));
    ASSERT_EQ(form.cboDotSize.ListCount(), 15);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(form.cboDotSize.List(i), std::to_string(i + 1));
    EXPECT_EQ(form.cboInterval.Text(), "20");
    EXPECT_EQ(form.cboSteps.Text(), "1000");
    EXPECT_EQ(form.cboDotSize.Text(), "3");
    EXPECT_EQ(form.stepsPerCycle(), 1000);
    EXPECT_EQ(form.cycleInterval(), 20);
    EXPECT_EQ(form.Timer.Interval(), 20);
    EXPECT_EQ(form.dotSize(), 3);
    ExpectState(RunState::Idle);
    EXPECT_FALSE(form.chkPause.Enabled());
    QTest::qWait(60);
    EXPECT_EQ(form.world().stepCount(), 0) << "no cycle runs before Start";
}

TEST_F(Form1Test, TheCaptionShowsTheGridSizeNotTheDesignCaption)
{
    EXPECT_EQ(form.Caption(), "Vemmick 2  Size: 188 x 127");
    EXPECT_EQ(form.picDest.pixelRect(), QRect(0, 24, 568, 383));
}

TEST_F(Form1Test, StartColoursComeFromTheSwatches)
{
    EXPECT_EQ(form.picSrc(1).BackColor(), SpringGreen);
    EXPECT_EQ(form.picSrc(0).BackColor(), Purple);
    EXPECT_EQ(form.cpOne.RGBColor(), SpringGreen);
    EXPECT_EQ(form.cpTwo.RGBColor(), Purple);
    EXPECT_EQ(form.picDest.BackColor(), Purple);
    const QImage screen = Screen();
    EXPECT_EQ(platform::FromPixel(screen.pixel(1, 1)), Purple);
    EXPECT_EQ(platform::FromPixel(screen.pixel(300, 200)), Purple);
    // A 15-pixel dot from either swatch is a solid square.
    for (int index : {0, 1})
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 15; ++x)
                ASSERT_EQ(form.picSrc(index).Point(static_cast<float>(x), static_cast<float>(y)), index ? SpringGreen : Purple);
    EXPECT_EQ(form.cpOne.Width(), 51);
    EXPECT_EQ(form.cpOne.Height(), 21);
}

TEST_F(Form1Test, ControlsSitInTheirDesignPlacesWithTheirTooltips)
{
    struct Expected {
        const platform::Control* control;
        QRect rect;
        const char* tip;
    };
    const Expected row[] = {
        {&form.cmdClear, {0, 0, 30, 21}, "Clear image"},
        {&form.cmdStart, {32, 0, 30, 21}, "Start"},
        {&form.cmdStop, {64, 0, 30, 21}, "Stop"},
        {&form.chkPause, {96, 0, 30, 21}, "Pause"},
        {&form.cboInterval, {136, 0, 65, 21}, "Milliseconds between cycles"},
        {&form.cboSteps, {208, 0, 65, 21}, "Steps per cycle"},
        {&form.cboDotSize, {280, 0, 41, 21}, "Select dot size"},
        {&form.cpOne, {344, 0, 51, 21}, "Select color one"},
        {&form.cpTwo, {416, 0, 51, 21}, "Select color two"},
        {&form.picSrc(1), {328, 0, 17, 21}, "Color one"},
        {&form.picSrc(0), {400, 0, 17, 21}, "Color two"},
    };
    for (const Expected& e : row) {
        EXPECT_EQ(e.control->pixelRect(), e.rect) << e.control->Name();
        EXPECT_EQ(e.control->ToolTipText(), e.tip) << e.control->Name();
    }
    // Over a picker's selection frame the tooltip is the palette image's; the frame has none.
    for (const colorpic::ColorPic* picker : {&form.cpOne, &form.cpTwo}) {
        const QPoint onFrame = picker->frame().pixelRect().topLeft();
        QHelpEvent help(QEvent::ToolTip, onFrame, picker->widget().mapToGlobal(onFrame));
        QApplication::sendEvent(&picker->widget(), &help);
        EXPECT_EQ(QToolTip::text(), "Select color") << picker->Name();
        QToolTip::hideText();
    }
}

TEST_F(Form1Test, ButtonFacesShowTheirPictures)
{
    const auto icon = [](platform::WindowedControl& c) {
        return static_cast<QPushButton&>(c.widget()).icon().pixmap(11, 11).toImage();
    };
    const QImage clear = icon(form.cmdClear), start = icon(form.cmdStart), stop = icon(form.cmdStop), pause = icon(form.chkPause);
    EXPECT_EQ(clear.pixel(0, 5), 0xFF000000U);
    EXPECT_EQ(qAlpha(clear.pixel(5, 5)), 0) << "white is the mask colour";
    EXPECT_EQ(start.pixel(3, 0), 0xFF008000U);
    EXPECT_EQ(start.pixel(8, 5), 0xFF008000U);
    EXPECT_EQ(qAlpha(start.pixel(8, 4)), 0);
    EXPECT_EQ(stop.pixel(1, 1), 0xFF800000U);
    EXPECT_EQ(qAlpha(stop.pixel(0, 0)), 0);
    EXPECT_EQ(pause.pixel(2, 1), 0xFF000080U);
    EXPECT_EQ(qAlpha(pause.pixel(5, 5)), 0);
    EXPECT_FALSE(form.widget().windowIcon().isNull());
}

} // namespace
