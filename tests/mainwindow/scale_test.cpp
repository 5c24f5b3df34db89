// The window on a scaled desktop (this binary runs once at each of several scales, 100% among
// them): everything it shows is checked at device resolution, where a scaled pixel is a square of
// device pixels.
#include "backgroundtask.h"
#include "filedialog.h"
#include "form1fixture.h"
#include "pictures.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include <cmath>

using namespace testing_form1;

namespace {

class ScaledForm1 : public Form1Test {
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        const qreal ratio = form.widget().devicePixelRatioF();
        ASSERT_EQ(ratio, std::round(ratio)) << "a desktop at " << form.widget().screen()->logicalDotsPerInch()
                                            << " dpi draws at a whole factor";
        dpr = static_cast<int>(ratio);
    }

    // A button of the pointer at device pixel (x, y) of the window, as the platform reports it:
    // the position in the window's own pixels, with the fraction that the scale gives it.
    void PressAndRelease(int x, int y)
    {
        const QPointF at(static_cast<double>(x) / dpr, static_cast<double>(y) / dpr);
        const QPointF global = window()->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window(), &press);
        QCoreApplication::sendEvent(window(), &release);
    }

    int dpr = 1;
};

TEST_F(ScaledForm1, EveryDevicePixelOfAPaletteCellPicksThatCell)
{
    const QImage palette = form.cpOne.store().Picture().image();
    const std::pair<int, int> cells[] = {{0, 0}, {3, 0}, {4, 0}, {8, 0}, {20, 2}, {47, 17}, {48, 18}};
    for (const auto& [column, row] : cells) {
        const QPoint cell = PaletteCell(mainwindow::design::cpOne, column, row);
        for (int dy = 0; dy < dpr; ++dy)
            for (int dx = 0; dx < dpr; ++dx) {
                PressAndRelease(cell.x() * dpr + dx, cell.y() * dpr + dy);
                ASSERT_EQ(form.cpOne.selectedColumn(), column) << "device pixel " << dx << "," << dy << " of cell " << column << "," << row;
                ASSERT_EQ(form.cpOne.selectedRow(), row) << "device pixel " << dx << "," << dy << " of cell " << column << "," << row;
                ASSERT_EQ(form.cpOne.RGBColor(), platform::FromPixel(palette.pixel(column, row)));
            }
    }
}

class ScaledDots : public ScaledForm1, public ::testing::WithParamInterface<int> {};

TEST_P(ScaledDots, DotsAreEqualSquaresOfDevicePixelsInsideAnUntouchedBorder)
{
    const sim::AntWorld reference = RunThreeCycles(GetParam());
    const QImage screen = form.picDest.widget().grab().toImage();
    const int width = static_cast<int>(form.picDest.Width()) * dpr;
    const int height = static_cast<int>(form.picDest.Height()) * dpr;
    ASSERT_EQ(screen.size(), QSize(width, height));
    const int dot = form.dotSize() * dpr;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const ColorValue seen = platform::FromPixel(screen.pixel(x, y));
            if (x < dpr || y < dpr || x >= width - dpr || y >= height - dpr) {
                ASSERT_EQ(seen, RGB(0, 0, 0)) << "border pixel " << x << "," << y;
                continue;
            }
            const int cx = (x - dpr) / dot + 1;
            const int cy = (y - dpr) / dot + 1;
            const bool inGrid = cx <= reference.gridWidth() && cy <= reference.gridHeight();
            ASSERT_EQ(seen, inGrid && reference.cell(cx, cy) ? SpringGreen : Purple) << "device pixel " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Form1, ScaledDots, ::testing::Values(1, 3));

TEST_F(ScaledForm1, CopiedAndSavedPicturesAreTheDrawingAreasImagePixelForPixel)
{
    RunThreeCycles(3); // and the run goes on
    QTest::keyClick(window(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    const QImage screen = Screen();
    ASSERT_EQ(copied.size(), QSize(static_cast<int>(form.picDest.ScaleWidth()), static_cast<int>(form.picDest.ScaleHeight())));
    for (int y = 0; y < copied.height(); ++y)
        for (int x = 0; x < copied.width(); ++x) {
            const ColorValue kept = platform::FromPixel(copied.pixel(x, y));
            ASSERT_EQ(kept, Drawn(x, y)) << x << "," << y;
            ASSERT_EQ(kept, platform::FromPixel(screen.pixel((x + 1) * dpr + dpr - 1, (y + 1) * dpr + dpr - 1))) << x << "," << y;
        }
    EXPECT_TRUE(form.Timer.Enabled());

    // Paused, a save changes nothing but the file, and the next save starts where it ended.
    Click(form.chkPause);
    const std::string caption = form.Caption();
    const QImage before = form.picDest.Image().image();
    const QTemporaryDir folder;
    const QString saved = folder.filePath("kept.png");
    {
        const DialogUser user(saved);
        QTest::keyClick(window(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(QDir::cleanPath(user.proposed()).toStdString(),
                  QDir(QString::fromStdString(platform::PicturesFolder())).filePath("vemmick.png").toStdString());
    }
    form.widget().activateWindow(); // as a desktop does once the dialog is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.widget()));
    EXPECT_EQ(QImage(saved).convertToFormat(QImage::Format_RGB32), before);
    EXPECT_EQ(before, copied.convertToFormat(QImage::Format_RGB32)) << "a paused picture is the one copied";
    EXPECT_EQ(form.Caption(), caption);
    EXPECT_EQ(form.picDest.Image().image(), before);
    const DialogUser cancelling(QString{});
    QTest::keyClick(window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(cancelling.proposed().toStdString(), folder.filePath("vemmick.png").toStdString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).join(' ').toStdString(), "kept.png");

    // The run saved as an animation ends on the same picture, in the window's pixels too.
    platform::TaskProgress progress;
    const std::vector<std::uint8_t> gif = form.recording().MakeAnimation(progress, 1500, 50'000'000);
    QBuffer file;
    file.setData(reinterpret_cast<const char*>(gif.data()), static_cast<qsizetype>(gif.size()));
    QImageReader reader(&file, "gif");
    QImage last;
    for (QImage frame; reader.read(&frame);)
        last = frame.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(last, before);
}

// The picture of a button on the screen: each of its pixels a dpr-square of device pixels, none
// smoothed into the face around it.
void ExpectCrispPicture(const platform::WindowedControl& button, const platform::Picture& picture, ColorValue ink, int dpr)
{
    int inked = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            inked += picture.Pixel(x, y) == ink;
    const QImage face = button.widget().grab().toImage();
    QRect drawn;
    int seen = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (platform::FromPixel(face.pixel(x, y)) == ink) {
                ++seen;
                drawn |= QRect(x, y, 1, 1);
            }
    EXPECT_EQ(seen, inked * dpr * dpr) << button.Name();
    EXPECT_EQ(drawn.width() % dpr, 0) << button.Name();
    EXPECT_EQ(drawn.height() % dpr, 0) << button.Name();
    // Every inked device pixel lies in a whole square of ink, on the grid of the picture's pixels.
    for (int y = drawn.top(); y <= drawn.bottom(); ++y)
        for (int x = drawn.left(); x <= drawn.right(); ++x) {
            if (platform::FromPixel(face.pixel(x, y)) != ink)
                continue;
            const int left = x - (x - drawn.left()) % dpr;
            const int top = y - (y - drawn.top()) % dpr;
            for (int by = top; by < top + dpr; ++by)
                for (int bx = left; bx < left + dpr; ++bx)
                    ASSERT_EQ(platform::FromPixel(face.pixel(bx, by)), ink) << button.Name() << " device pixel " << bx << "," << by;
        }
}

TEST_F(ScaledForm1, ThePicturesAreCrisp)
{
    Click(form.cmdStart); // Pause, usable now, shows its picture in full colour
    ExpectCrispPicture(form.cmdStart, mainwindow::StartPicture(), RGB(0, 128, 0), dpr);
    ExpectCrispPicture(form.cmdStop, mainwindow::StopPicture(), RGB(128, 0, 0), dpr);
    ExpectCrispPicture(form.chkPause, mainwindow::PausePicture(), RGB(0, 0, 128), dpr);
}

// The columns of a list's text: from its first dark column to the last one before a gap of four.
std::pair<int, int> TextColumns(const QImage& shot)
{
    const auto dark = [&](int x) {
        for (int y = 0; y < shot.height(); ++y)
            if (qGray(shot.pixel(x, y)) < 110)
                return true;
        return false;
    };
    int first = 2; // past the frame
    while (first < shot.width() && !dark(first))
        ++first;
    int last = first;
    for (int x = first, gap = 0; x < shot.width() && gap < 4; ++x) {
        gap = dark(x) ? 0 : gap + 1;
        if (gap == 0)
            last = x;
    }
    return {first, last};
}

TEST_F(ScaledForm1, EveryListShowsItsWholeItemWhenClosed)
{
    for (platform::ComboBox* list : {&form.cboInterval, &form.cboSteps, &form.cboDotSize}) {
        QWidget& widget = list->widget();
        for (int i = 0; i < list->ListCount(); ++i) {
            list->setListIndex(i);
            const QImage closed = widget.grab().toImage();
            // The same item in a list far wider than its text shows it whole.
            widget.resize(300, widget.height());
            const QImage wide = widget.grab().toImage();
            widget.setGeometry(list->pixelRect());
            const auto [first, last] = TextColumns(wide);
            ASSERT_LT(last, closed.width() - 4) << list->Name() << " " << list->List(i);
            for (int y = 0; y < closed.height(); ++y)
                for (int x = 0; x <= last; ++x)
                    ASSERT_EQ(closed.pixel(x, y), wide.pixel(x, y))
                        << list->Name() << " shows \"" << list->List(i) << "\" cut at column " << x;
        }
    }
}

} // namespace
