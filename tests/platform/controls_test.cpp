#include "checkbox.h"
#include "combobox.h"
#include "commandbutton.h"
#include "dotcopy.h"
#include "errors.h"
#include "form.h"
#include "image.h"
#include "picturebox.h"
#include "shape.h"
#include "timer.h"

#include <QComboBox>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

Design At(const char* name, int leftPx, int topPx, int widthPx, int heightPx, int tabIndex = -1)
{
    return Design{name, platform::Twips(leftPx), platform::Twips(topPx), platform::Twips(widthPx), platform::Twips(heightPx), tabIndex, "", true, true};
}

ColorValue GrabbedAt(QWidget& widget, int x, int y) { return FromPixel(widget.grab().toImage().pixel(x, y)); }

Picture Solid(int width, int height, ColorValue color)
{
    return Picture::FromPixels(width, height, std::vector<ColorValue>(static_cast<std::size_t>(width * height), color));
}

TEST(PictureBoxControl, KeepsWhatIsDrawnUntilClsAndShowsItOnRefresh)
{
    Form form("test", platform::Twips(200), platform::Twips(100));
    PictureBox box(form, At("picDest", 0, 0, 52, 32), RGB(10, 20, 30), platform::BorderFixedSingle);
    PictureBox swatch(form, At("picSrc", 60, 0, 17, 21), RGB(200, 100, 0), platform::BorderFixedSingle);
    form.Show();
    EXPECT_EQ(box.ScaleWidth(), 50);
    EXPECT_EQ(box.ScaleHeight(), 30);

    BitBlt(box.hDC(), 4, 5, 3, 3, swatch.hDC(), 0, 0, SRCCOPY);
    EXPECT_EQ(box.Point(4, 5), RGB(200, 100, 0));
    EXPECT_EQ(box.Point(7, 5), RGB(10, 20, 30));
    EXPECT_EQ(box.Point(50, 0), -1);
    EXPECT_EQ(box.Point(0, -1), -1);
    box.Refresh();
    EXPECT_EQ(GrabbedAt(box.widget(), 1 + 4, 1 + 5), RGB(200, 100, 0)) << "the image sits inside the border";

    box.Cls();
    EXPECT_EQ(box.Point(4, 5), RGB(10, 20, 30));
    BitBlt(box.hDC(), 0, 0, 3, 3, swatch.hDC(), 0, 0, SRCCOPY);
    box.setBackColor(RGB(1, 2, 3));
    EXPECT_EQ(box.Point(0, 0), RGB(1, 2, 3)) << "a new background colour repaints the whole image";
}

// The regions of the paint events a widget receives.
struct PaintLog : QObject {
    std::vector<QRegion> regions;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

TEST(PictureBoxControl, RefreshShowsTheTilesThatChangedAndClsShowsEverything)
{
    Form form("test", platform::Twips(500), platform::Twips(400));
    PictureBox box(form, At("picDest", 0, 0, 402, 302), RGB(10, 20, 30), platform::BorderFixedSingle);
    PictureBox swatch(form, At("picSrc", 450, 0, 17, 21), RGB(200, 100, 0), platform::BorderFixedSingle);
    form.Show();
    QCoreApplication::processEvents();
    box.Refresh();
    PaintLog log;
    box.widget().installEventFilter(&log);

    box.Refresh();
    EXPECT_TRUE(log.regions.empty()) << "nothing changed, nothing painted";

    BitBlt(box.hDC(), 100, 100, 3, 3, swatch.hDC(), 0, 0, SRCCOPY);
    BitBlt(box.hDC(), 390, 290, 15, 15, swatch.hDC(), 0, 0, SRCCOPY); // clipped at the corner
    BitBlt(box.hDC(), 31, 31, 2, 2, swatch.hDC(), 0, 0, SRCCOPY);     // across four tiles
    box.Refresh();
    ASSERT_EQ(log.regions.size(), 1U);
    const QRegion painted = log.regions.front();
    for (const QPoint dot : {QPoint(101, 101), QPoint(103, 103), QPoint(400, 300), QPoint(32, 32), QPoint(33, 33)})
        EXPECT_TRUE(painted.contains(dot)) << dot.x() << "," << dot.y();
    long area = 0;
    for (const QRect& r : painted)
        area += static_cast<long>(r.width()) * r.height();
    EXPECT_LE(area, 6L * 32 * 32) << "the tiles under the dots, not the whole picture";
    EXPECT_EQ(GrabbedAt(box.widget(), 1 + 100, 1 + 100), RGB(200, 100, 0));

    log.regions.clear();
    box.Cls();
    box.Refresh();
    ASSERT_FALSE(log.regions.empty());
    EXPECT_TRUE((QRegion(1, 1, 400, 300) - log.regions.front()).isEmpty()) << "Cls shows everything";
}

TEST(PictureBoxControl, ResizingKeepsTheDrawingAndRejectsNegativeSizes)
{
    Form form("test", platform::Twips(200), platform::Twips(100));
    PictureBox box(form, At("picDest", 0, 0, 22, 22), RGB(0, 0, 0), platform::BorderFixedSingle);
    PictureBox swatch(form, At("picSrc", 60, 0, 17, 21), RGB(0, 255, 0), platform::BorderNone);
    BitBlt(box.hDC(), 8, 5, 5, 5, swatch.hDC(), 0, 0, SRCCOPY);
    box.Move(0, 24, 42, 12);
    EXPECT_EQ(box.Point(10, 9), RGB(0, 255, 0));
    EXPECT_EQ(box.Point(30, 5), RGB(0, 0, 0)) << "new area shows the background";
    EXPECT_THROW(box.Move(0, 24, 42, -1), InvalidPropertyValue);
    EXPECT_THROW(box.setWidth(-5), InvalidPropertyValue);
    EXPECT_EQ(box.Width(), 42);
    EXPECT_EQ(box.Height(), 12);
    EXPECT_EQ(box.Top(), 24);
    EXPECT_EQ(box.ScaleWidth(), 40);
}

TEST(PictureBoxControl, ShowsItsPictureAndTakesKeysAndFocus)
{
    Form form("test", platform::Twips(200), platform::Twips(100));
    PictureBox box(form, At("picStore", 10, 10, 3, 2, 0), RGB(0, 0, 0), platform::BorderNone);
    box.setPicture(Picture::FromPixels(3, 2, {1, 2, 3, 4, 5, RGB(255, 255, 255)}));
    EXPECT_EQ(box.Point(2, 1), RGB(255, 255, 255));
    box.Cls();
    EXPECT_EQ(box.Point(0, 0), 1) << "Cls keeps the picture";

    std::vector<std::pair<int, int>> keys;
    int focus = 0;
    box.KeyDown = [&](int code, int shift) { keys.emplace_back(code, shift); };
    box.GotFocus = [&] { ++focus; };
    box.LostFocus = [&] { --focus; };
    form.Show();
    box.SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return focus == 1; }, 1000));
    QTest::keyClick(form.widget().windowHandle(), Qt::Key_Left);
    QTest::keyClick(form.widget().windowHandle(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(form.widget().windowHandle(), Qt::Key_A);
    QTest::keyClick(form.widget().windowHandle(), Qt::Key_Home);
    EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{37, 0}, {16, 1}, {40, 1}, {65, 0}, {36, 0}}));
}

TEST(ComboBoxControl, ClickComesOnceForEveryPickByCodeOrUser)
{
    Form form("test", platform::Twips(200), platform::Twips(100));
    ComboBox combo(form, At("cboSteps", 0, 0, 65, 21, 0));
    for (const char* item : {"1", "10", "100"})
        combo.AddItem(item);
    int clicks = 0;
    combo.Click = [&] { ++clicks; };
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(clicks, 0) << "adding items chooses nothing";

    combo.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo.Text(), "10");
    combo.setText("100");
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo.ListIndex(), 2);
    EXPECT_THROW(combo.setText("7"), InvalidPropertyValue);
    EXPECT_THROW(combo.setListIndex(3), InvalidPropertyValue);
    EXPECT_EQ(clicks, 2);

    form.Show();
    auto& qt = static_cast<QComboBox&>(combo.widget());
    qt.setFocus();
    QTest::keyClick(&qt, Qt::Key_Up); // a user's pick with the keyboard
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(combo.Text(), "10");
    emit qt.activated(1); // the popup's pick of the item already chosen
    EXPECT_EQ(clicks, 4);
}

TEST(CheckBoxControl, ValueWritesAndClicksRaiseClick)
{
    Form form("test", platform::Twips(200), platform::Twips(100));
    CheckBox check(form, At("chkPause", 0, 0, 30, 21, 0), Solid(11, 11, RGB(0, 0, 128)), 0);
    std::vector<int> seen;
    check.Click = [&] { seen.push_back(check.Value()); };
    form.Show();
    check.setValue(0);
    EXPECT_TRUE(seen.empty()) << "writing the same value raises nothing";
    check.setValue(1);
    EXPECT_EQ(seen, std::vector<int>{1});
    EXPECT_TRUE(static_cast<QPushButton&>(check.widget()).isChecked()) << "stays down while 1";
    QTest::mouseClick(&check.widget(), Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
    check.setEnabled(false);
    QTest::mouseClick(&check.widget(), Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<int>{1, 0})) << "a disabled box takes no clicks";
    EXPECT_THROW(check.setValue(2), InvalidPropertyValue);
}

TEST(CommandButtonControl, ClickAndAMaskedPicture)
{
    Form form("test", platform::Twips(200), platform::Twips(100));
    std::vector<ColorValue> pixels(121, RGB(255, 255, 255));
    pixels[60] = RGB(128, 0, 0);
    CommandButton button(form, At("cmdStop", 0, 0, 30, 21, 0), Picture::FromPixels(11, 11, pixels));
    int clicks = 0;
    button.Click = [&] { ++clicks; };
    form.Show();
    QTest::mouseClick(&button.widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    const QImage face = button.widget().grab().toImage();
    const QImage icon = static_cast<QPushButton&>(button.widget()).icon().pixmap(11, 11).toImage();
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "white is transparent";
    EXPECT_EQ(icon.pixel(5, 5), 0xFF800000U);
    EXPECT_FALSE(face.isNull());
}

TEST(TimerControl, TicksOnlyWhileEnabled)
{
    Timer timer(false, 20);
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    QTest::qWait(80);
    EXPECT_EQ(ticks, 0);
    timer.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    timer.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(80);
    EXPECT_EQ(ticks, stopped);
    timer.setInterval(30);
    EXPECT_EQ(timer.Interval(), 30);
    EXPECT_FALSE(timer.Enabled()) << "a new interval does not switch the timer on";
}

struct Windowless : ::testing::Test {
    Form form{"test", platform::Twips(120), platform::Twips(60)};
    Image image{form, At("imgShow", 0, 0, 0, 0), platform::BorderFixedSingle};
    Shape frame{form, At("shpSelected", 0, 0, 4, 4), RGB(0, 0, 0), Shape::DrawCopyPen};
    void SetUp() override
    {
        // A 3 x 2 picture stretched 4 times inside a one-pixel border.
        image.setPicture(Picture::FromPixels(3, 2, {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                                                    RGB(255, 255, 0), RGB(0, 255, 255), RGB(255, 0, 255)}));
        image.Move(10, 5, 3 * 4 + 2, 2 * 4 + 2);
        form.Show();
    }
    QImage Shot() { return form.widget().grab().toImage(); }
};

TEST_F(Windowless, ImageStretchesByWholeBlocksInsideItsBorder)
{
    const QImage shot = Shot();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(FromPixel(shot.pixel(11 + x, 6 + y)), image.Picture().Pixel(x / 4, y / 4)) << x << "," << y;
    EXPECT_EQ(FromPixel(shot.pixel(10, 5)), RGB(0, 0, 0));
    EXPECT_EQ(FromPixel(shot.pixel(23, 14)), RGB(0, 0, 0));
    EXPECT_NE(FromPixel(shot.pixel(24, 15)), RGB(0, 0, 0));
}

TEST_F(Windowless, ShapeDrawsOrInvertsItsOutlineOnly)
{
    frame.Move(10 + 4, 5 + 4, 6, 6); // rings picture cell (1, 1)
    QImage shot = Shot();
    EXPECT_EQ(FromPixel(shot.pixel(14, 9)), RGB(0, 0, 0));
    EXPECT_EQ(FromPixel(shot.pixel(19, 14)), RGB(0, 0, 0));
    EXPECT_EQ(FromPixel(shot.pixel(15, 10)), RGB(0, 255, 255)) << "the inside is transparent";
    frame.setBorderColor(RGB(255, 255, 255));
    frame.setDrawMode(Shape::DrawInvert);
    shot = Shot();
    EXPECT_EQ(FromPixel(shot.pixel(14, 9)), RGB(0, 255, 255)) << "red inverted, once even at a corner";
    EXPECT_EQ(FromPixel(shot.pixel(16, 9)), RGB(255, 0, 255)) << "green inverted";
    EXPECT_EQ(FromPixel(shot.pixel(16, 14)), RGB(255, 255, 255)) << "the black border line inverted";
    EXPECT_EQ(FromPixel(shot.pixel(15, 10)), RGB(0, 255, 255));

    // A paint of a part only, as an expose asks for it, draws that part the same.
    const QImage part = form.widget().grab(QRect(13, 8, 5, 4)).toImage();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(part.pixel(x, y), shot.pixel(13 + x, 8 + y)) << x << "," << y;
}

TEST_F(Windowless, MouseComesInTwipsAndStaysWithTheImageWhileHeld)
{
    std::vector<std::tuple<char, int, float, float>> seen;
    image.MouseDown = [&](int button, int, float x, float y) { seen.emplace_back('d', button, x, y); };
    image.MouseMove = [&](int button, int, float x, float y) { seen.emplace_back('m', button, x, y); };
    image.MouseUp = [&](int button, int, float x, float y) { seen.emplace_back('u', button, x, y); };
    QWindow* window = form.widget().windowHandle();
    QTest::mouseMove(window, QPoint(11, 6)); // no button: still reported
    QTest::mouseMove(window, QPoint(12, 7));
    QTest::mousePress(window, Qt::RightButton, {}, QPoint(12, 7));
    QTest::mouseMove(window, QPoint(100, 50)); // far outside, still captured
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(100, 50));
    QTest::mouseMove(window, QPoint(101, 50)); // released: outside goes nowhere
    ASSERT_EQ(seen.size(), 5U);
    EXPECT_EQ(seen[0], std::make_tuple('m', 0, 15.0F, 15.0F));
    EXPECT_EQ(seen[1], std::make_tuple('m', 0, 30.0F, 30.0F));
    EXPECT_EQ(seen[2], std::make_tuple('d', 2, 30.0F, 30.0F));
    EXPECT_EQ(seen[3], std::make_tuple('m', 2, 90.0F * platform::TwipsPerPixel, 45.0F * platform::TwipsPerPixel));
    EXPECT_EQ(seen[4], std::make_tuple('u', 2, 90.0F * platform::TwipsPerPixel, 45.0F * platform::TwipsPerPixel));
}

} // namespace
