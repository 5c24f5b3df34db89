#include "dotcopy.h"
#include "picture.h"
#include "picturefile.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <filesystem>
#include <limits>
#include <random>

#ifdef __linux__
#include <sys/resource.h>
#endif

using namespace platform;

namespace {

struct Surfaces : ::testing::Test {
    Surface dst;
    Surface src;
    void SetUp() override
    {
        dst.Resize(10, 8, RGB(0, 0, 0));
        src.Resize(4, 4, RGB(0, 0, 0));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                src.SetPixel(x, y, RGB(10 * x, 10 * y, 200));
    }
    int Painted() const
    {
        int count = 0;
        for (int y = 0; y < dst.height(); ++y)
            for (int x = 0; x < dst.width(); ++x)
                count += dst.Pixel(x, y) != RGB(0, 0, 0);
        return count;
    }
};

TEST_F(Surfaces, BitBltCopiesTheBlockExactly)
{
    BitBlt({&dst}, 3, 2, 3, 2, {&src}, 1, 1, SRCCOPY);
    EXPECT_EQ(Painted(), 6);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(dst.Pixel(3 + x, 2 + y), src.Pixel(1 + x, 1 + y));
}

TEST_F(Surfaces, BitBltClipsToBothSurfaces)
{
    BitBlt({&dst}, -2, -1, 4, 4, {&src}, 0, 0, SRCCOPY); // only the lower right 2 x 3 lands
    EXPECT_EQ(Painted(), 6);
    EXPECT_EQ(dst.Pixel(0, 0), src.Pixel(2, 1));
    dst.Fill(RGB(0, 0, 0));
    BitBlt({&dst}, 8, 6, 15, 15, {&src}, 0, 0, SRCCOPY); // right and bottom edges of dst
    EXPECT_EQ(Painted(), 4);
    EXPECT_EQ(dst.Pixel(9, 7), src.Pixel(1, 1));
    dst.Fill(RGB(0, 0, 0));
    BitBlt({&dst}, 0, 0, 15, 15, {&src}, 2, -3, SRCCOPY); // the source is smaller than the block
    EXPECT_EQ(Painted(), 8);
    EXPECT_EQ(dst.Pixel(0, 3), src.Pixel(2, 0));
    EXPECT_EQ(dst.Pixel(1, 6), src.Pixel(3, 3));
    dst.Fill(RGB(0, 0, 0));
    BitBlt({&dst}, 9, 7, 1, 1, {&src}, 3, 3, SRCCOPY); // a single pixel in both corners
    EXPECT_EQ(Painted(), 1);
    EXPECT_EQ(dst.Pixel(9, 7), src.Pixel(3, 3));
    dst.Fill(RGB(0, 0, 0));
    constexpr int lowest = std::numeric_limits<int>::min();
    constexpr int highest = std::numeric_limits<int>::max();
    for (auto [x, y] : {std::pair{-15, 0}, {10, 0}, {0, 8}, {0, -15}, {lowest, lowest}, {highest, highest}, {lowest, 0}})
        BitBlt({&dst}, x, y, 15, 15, {&src}, 0, 0, SRCCOPY);
    BitBlt({&dst}, 0, 0, highest, highest, {&src}, lowest, highest, SRCCOPY);
    BitBlt({&dst}, 0, 0, lowest, 2, {&src}, 0, 0, SRCCOPY);
    for (auto [x, y, sx, sy] : {std::array{-1, 0, 0, 0}, {10, 0, 0, 0}, {0, 8, 0, 0}, {0, 0, 4, 0}, {0, 0, 0, -1}})
        BitBlt({&dst}, x, y, 1, 1, {&src}, sx, sy, SRCCOPY); // single pixels outside either surface
    BitBlt({&dst}, 0, 0, 0, 5, {&src}, 0, 0, SRCCOPY);
    BitBlt({&dst}, 0, 0, -3, 5, {&src}, 0, 0, SRCCOPY);
    BitBlt({}, 0, 0, 3, 3, {&src}, 0, 0, SRCCOPY);
    EXPECT_EQ(Painted(), 0);
}

TEST_F(Surfaces, BitBltWithinOneSurfaceCopiesOverlappingBlocksIntact)
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            dst.SetPixel(x, y, RGB(x, y, 1));
    BitBlt({&dst}, 1, 1, 8, 6, {&dst}, 0, 0, SRCCOPY); // down and right over itself
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(dst.Pixel(x + 1, y + 1), RGB(x, y, 1)) << x << "," << y;
    BitBlt({&dst}, 0, 0, 8, 6, {&dst}, 1, 1, SRCCOPY); // and back up and left
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(dst.Pixel(x, y), RGB(x, y, 1)) << x << "," << y;
}

TEST_F(Surfaces, ResizeKeepsWhatStillFitsAndPixelIsMinusOneOutside)
{
    dst.SetPixel(2, 2, RGB(1, 2, 3));
    dst.SetPixel(9, 7, RGB(1, 2, 3));
    dst.Resize(5, 12, RGB(9, 9, 9));
    EXPECT_EQ(dst.Pixel(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(dst.Pixel(4, 11), RGB(9, 9, 9));
    EXPECT_EQ(dst.Pixel(4, 7), RGB(0, 0, 0));
    EXPECT_EQ(dst.Pixel(5, 0), -1);
    EXPECT_EQ(dst.Pixel(0, 12), -1);
    EXPECT_EQ(dst.Pixel(-1, 0), -1);
    // Shrinking hides pixels without losing them.
    dst.Resize(10, 8, RGB(9, 9, 9));
    EXPECT_EQ(dst.Pixel(9, 7), RGB(1, 2, 3));
    EXPECT_EQ(dst.Pixel(9, 11), -1);
}

TEST_F(Surfaces, SidesOfZeroOneAndTwoPixelsKeepTheStoreAndDrawSafely)
{
    dst.SetPixel(9, 7, RGB(1, 2, 3));
    Surface fresh;
    for (int w : {0, 1, 2, 0}) {
        for (int h : {2, 0, 1, 2}) {
            for (Surface* s : {&dst, &fresh}) {
                s->Resize(w, h, RGB(5, 5, 5));
                EXPECT_EQ(s->width(), w);
                EXPECT_EQ(s->height(), h);
                BitBlt({s}, 1, 1, 3, 3, {&src}, 1, 1, SRCCOPY);
                BitBlt({s}, 0, 0, 1, 1, {&src}, 0, 0, SRCCOPY);
                EXPECT_EQ(s->Pixel(0, 0), w > 0 && h > 0 ? src.Pixel(0, 0) : -1) << w << " x " << h;
                s->Fill(RGB(7, 7, 7));
                BitBlt({&src}, 0, 0, 2, 2, {s}, 0, 0, SRCCOPY);
            }
        }
    }
    fresh.Resize(3, 3, RGB(5, 5, 5));
    EXPECT_EQ(fresh.Pixel(2, 2), RGB(5, 5, 5));
    dst.Resize(10, 8, RGB(5, 5, 5));
    EXPECT_EQ(dst.Pixel(9, 7), RGB(7, 7, 7)) << "Fill reaches the hidden store";
}


#ifdef __linux__
// A write that fails part way, as on a full disk: here the limit of a process's file size.
TEST(PictureFiles, ASaveThatFailsPartWayLeavesNoFileAndTheOldOneAsItWas)
{
    std::mt19937 random(7);
    std::vector<ColorValue> noise(100 * 100);
    for (ColorValue& pixel : noise)
        pixel = static_cast<ColorValue>(random() & 0xFFFFFF);
    const Picture picture = Picture::FromPixels(100, 100, noise);
    const QTemporaryDir folder;
    const QString path = folder.filePath("kept.png");
    SavePicture(picture, path.toStdString());
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), picture.image());
    const auto before = std::filesystem::file_size(path.toStdString());

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{before - 1, limit.rlim_max}; // the last bytes fail, as they reach the disk
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(SavePicture(picture, path.toStdString()), FileError);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(std::filesystem::file_size(path.toStdString()), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).join(' ').toStdString(), "kept.png");
}
#endif

} // namespace
