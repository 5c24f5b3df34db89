#include "backgroundtask.h"
#include "form1fixture.h"
#include "picturefile.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QProgressDialog>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <thread>

using namespace testing_form1;

namespace {

// The picture the simulation alone draws, step by step: every flip paints its cell's dot in the
// colour of the cell's new state, as the user has the colours at that step.
class ReferencePicture {
public:
    explicit ReferencePicture(const mainwindow::Form1& form)
        : image_(static_cast<int>(form.picDest.ScaleWidth()), static_cast<int>(form.picDest.ScaleHeight()), QImage::Format_RGB32)
        , background_(form.picDest.BackColor()), size_(form.dotSize())
    {
        world_.setDotSize(size_);
        world_.ResetWorld(form.picDest.ScaleWidth(), form.picDest.ScaleHeight());
        Clear();
    }
    void Clear() { image_.fill(platform::ToPixel(background_)); }
    void Steps(int steps, ColorValue colorTwo, ColorValue colorOne)
    {
        for (int i = 0; i < steps; ++i)
            world_.StepAnt([&](int x, int y, int state) {
                for (int py = 0; py < size_; ++py)
                    for (int px = 0; px < size_; ++px)
                        image_.setPixel((x - 1) * size_ + px, (y - 1) * size_ + py, platform::ToPixel(state ? colorOne : colorTwo));
            });
    }
    QImage image() const { return image_.copy(); }

private:
    sim::AntWorld world_;
    QImage image_;
    ColorValue background_;
    int size_;
};

struct Frames {
    QList<QImage> images;
    QList<int> delays;
};

// Each image's delay in ms, from the file's own blocks: Qt's reader reports some of them against
// the wrong frame.
QList<int> Delays(const QByteArray& gif)
{
    const auto byte = [&](qsizetype i) { return i < gif.size() ? static_cast<unsigned char>(gif[i]) : 0; };
    const auto skipBlocks = [&](qsizetype i) {
        while (byte(i) != 0 && i < gif.size())
            i += byte(i) + 1;
        return i + 1;
    };
    const auto table = [&](unsigned char flags) { return flags & 0x80 ? 3 << ((flags & 7) + 1) : 0; };
    QList<int> delays;
    int delay = 0;
    for (qsizetype i = 13 + table(byte(10)); i < gif.size() && byte(i) != 0x3B;) {
        if (byte(i) == 0x21) {
            if (byte(i + 1) == 0xF9)
                delay = 10 * (byte(i + 4) | byte(i + 5) << 8);
            i = skipBlocks(i + 2);
        } else {
            delays << delay;
            i = skipBlocks(i + 10 + table(byte(i + 9)) + 1);
        }
    }
    return delays;
}

Frames Decode(const QByteArray& gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    Frames frames;
    for (QImage image; reader.read(&image);)
        frames.images << image.convertToFormat(QImage::Format_RGB32);
    frames.delays = Delays(gif);
    return frames;
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Bytes(const std::vector<std::uint8_t>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

} // namespace

// A paused run, cycled by hand, with a colour change, a Clear, and a new interval and step count
// along the way: the saved animation has a frame for each cycle, the picture exactly as drawn then,
// each lasting up to the next cycle, and its last frame is the picture that Copy Picture gives now.
// Sampled down to fewer frames, for a count or a size, each kept frame still lasts as long as the
// cycles it stands for.
TEST_F(Form1Test, TheSavedAnimationIsTheRunFrameByFrame)
{
    ResizeTo(400, 24 + 150); // wide enough for a click on the palette
    Pick(form.cboSteps, "100");
    // The command shows greyed until a run has a cycle to save.
    const auto saveCommand = [&] {
        for (const QAction* action : form.widget().actions())
            if (action->text() == "Save &Animation As...")
                return action->isEnabled();
        return true;
    };
    EXPECT_FALSE(saveCommand());
    Click(form.cmdStart);
    Click(form.chkPause); // the cycles below are the only ones
    ReferencePicture reference(form);
    QList<QImage> expected;
    const auto cycle = [&] {
        reference.Steps(form.stepsPerCycle(), form.picSrc(0).BackColor(), form.picSrc(1).BackColor());
        form.Timer_Timer();
        expected << reference.image();
    };
    EXPECT_FALSE(saveCommand());
    cycle();
    EXPECT_TRUE(saveCommand());
    cycle();
    QTest::mouseClick(window(), Qt::LeftButton, {}, PaletteCell(mainwindow::design::cpOne, 0, 0)); // red
    ASSERT_EQ(form.picSrc(1).BackColor(), RGB(255, 0, 0));
    cycle();
    Click(form.cmdClear);
    reference.Clear();
    cycle();
    Pick(form.cboInterval, "100");
    cycle();
    Pick(form.cboSteps, "10");
    cycle();
    const QList<int> delays{20, 20, 20, 100, 100, 100};

    const QTemporaryDir folder;
    const QString path = folder.filePath("run.gif");
    {
        const DialogUser user(path);
        QTest::keyClick(window(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        form.saveTask().Wait();
        EXPECT_EQ(user.proposed().section('/', -1), "vemmick.gif");
    }
    const Frames frames = Decode(Read(path));
    ASSERT_EQ(frames.images.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(frames.images[i] == expected[i]) << "frame " << i + 1;
    EXPECT_EQ(frames.delays, delays);
    EXPECT_TRUE(frames.images.back() == form.picDest.Image().image().convertToFormat(QImage::Format_RGB32));
    // The cycle after the click draws in the new colour one, which the frame before has nowhere.
    const auto reds = [](const QImage& f) {
        return std::count(reinterpret_cast<const QRgb*>(f.constBits()), reinterpret_cast<const QRgb*>(f.constBits()) + f.width() * f.height(), qRgb(255, 0, 0));
    };
    EXPECT_TRUE(reds(frames.images[1]) == 0 && reds(frames.images[2]) > 0);

    platform::TaskProgress progress;
    const Frames three = Decode(Bytes(form.recording().MakeAnimation(progress, 3, 50'000'000)));
    ASSERT_EQ(three.images.size(), 3);
    EXPECT_TRUE(three.images[0] == expected[0] && three.images[1] == expected[2] && three.images[2] == expected[5]);
    EXPECT_EQ(three.delays, (QList<int>{40, 220, 100}));

    // Kept to a size that the six frames overrun: fewer frames, the same time.
    const auto limit = static_cast<std::size_t>(Read(path).size() * 2 / 3);
    const QByteArray smallBytes = Bytes(form.recording().MakeAnimation(progress, 1500, limit));
    EXPECT_LE(static_cast<std::size_t>(smallBytes.size()), limit);
    const QList<int> fewer = Delays(smallBytes);
    EXPECT_LT(fewer.size(), 6);
    EXPECT_EQ(std::accumulate(fewer.begin(), fewer.end(), 0), 360);
}

// A Cancel holds whenever it comes, even once the animation is made and only its writing is left:
// the file of that name stays as it was. Meanwhile the command says that a save is under way. An
// animation that cannot be made says why in words.
TEST_F(Form1Test, ACancelledSaveWritesNothingAndAFailureSaysWhy)
{
    Click(form.cmdStart);
    form.Timer_Timer();
    const QTemporaryDir folder;
    QFile kept(folder.filePath("run.gif"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4 && kept.flush());
    const DialogUser user(kept.fileName());
    QTest::keyClick(window(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    while (form.saveTask().Busy() && !form.saveTask().WorkEnded())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    form.widget().findChild<QProgressDialog*>()->findChild<QPushButton*>()->click();
    form.mnuSaveAnimation.Click(); // chosen again at once
    form.saveTask().Wait();
    EXPECT_EQ(Read(kept.fileName()), "kept");
    EXPECT_EQ(user.messages().value(1), mainwindow::design::SaveUnderWay) << "after the question to replace the file";

    mainwindow::RunRecording wide;
    wide.Begin(70000, 1, 1, Purple);
    wide.Cycle(1, 20, Purple, SpringGreen);
    platform::TaskProgress task;
    EXPECT_THROW(
        try { wide.MakeAnimation(task, 10, 1000); } catch (const platform::FileError& error) {
            EXPECT_STREQ(error.what(), "A GIF animation is at most 65535 pixels wide and high; this one would be 70000 by 1.");
            throw;
        },
        platform::FileError);
}
