#include "animationfile.h"

#include "picturefile.h"
#include "translations.h"

#include <gif_lib.h>

#include <algorithm>
#include <new>
#include <string>
#include <unordered_map>

namespace platform {

namespace {

constexpr std::uint32_t ColorMask = 0x00FFFFFFU; // a surface pixel is 0xFFRRGGBB

// GIF's colour tables have a power of two entries, 256 at the most: one stays for transparency.
constexpr std::size_t MaxColors = 255;

// A GIF's sizes are 16-bit numbers.
constexpr int MaxSide = 0xFFFF;

int OnePowerAbove(std::size_t n)
{
    int size = 2;
    while (static_cast<std::size_t>(size) < n)
        size *= 2;
    return size;
}

} // namespace

struct AnimationFile::Encoder {
    GifFileType* gif = nullptr;
    ~Encoder()
    {
        if (gif)
            EGifCloseFile(gif, nullptr);
    }
};

namespace {

// No exception may pass through the encoder's C code: a failure here is reported to it as a write
// that failed.
int Append(GifFileType* gif, const GifByteType* data, int length)
{
    auto& bytes = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    try {
        bytes.insert(bytes.end(), data, data + length);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return length;
}

// The encoder writes into memory only, through Append: it fails where memory runs out.
[[noreturn]] void Fail(int error)
{
    if (error == E_GIF_ERR_NOT_ENOUGH_MEM || error == E_GIF_ERR_WRITE_FAILED)
        throw FileError(Tr("AnimationFile", "There is not enough memory to make the animation."));
    // giflib's own words, in English: a failure that memory cannot explain is a fault of ours.
    const char* reason = GifErrorString(error);
    throw FileError(Fill(Tr("AnimationFile", "The GIF encoder failed: %1."), {reason ? reason : std::to_string(error)}));
}

// width, checked with height against what a GIF holds before any memory is taken for them.
int CheckedWidth(int width, int height)
{
    if (width > MaxSide || height > MaxSide)
        throw FileError(Fill(Tr("AnimationFile", "A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3."),
                             {std::to_string(MaxSide), std::to_string(width), std::to_string(height)}));
    return width;
}

void Check(GifFileType* gif, int result)
{
    if (result != GIF_OK)
        Fail(gif->Error);
}

} // namespace

AnimationFile::AnimationFile(int width, int height)
    : width_(CheckedWidth(width, height)), height_(height), shown_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
    , encoder_(std::make_unique<Encoder>())
{
    int error = 0;
    encoder_->gif = EGifOpen(&bytes_, Append, &error);
    if (!encoder_->gif)
        Fail(error);
    EGifSetGifVersion(encoder_->gif, true);
    Check(encoder_->gif, EGifPutScreenDesc(encoder_->gif, width, height, 8, 0, nullptr));
    // Loops for ever.
    static const GifByteType netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loop[] = {1, 0, 0};
    Check(encoder_->gif, EGifPutExtensionLeader(encoder_->gif, APPLICATION_EXT_FUNC_CODE));
    Check(encoder_->gif, EGifPutExtensionBlock(encoder_->gif, sizeof netscape, netscape));
    Check(encoder_->gif, EGifPutExtensionBlock(encoder_->gif, sizeof loop, loop));
    Check(encoder_->gif, EGifPutExtensionTrailer(encoder_->gif));
}

AnimationFile::~AnimationFile() = default;

void AnimationFile::AddFrame(Surface& picture, int delay)
{
    // Only what was drawn since the frame before can differ from it; the first frame is drawn whole.
    QRect region = picture.TakeChanged().boundingRect().intersected(QRect(0, 0, width_, height_));
    if (frames_ == 0)
        region = QRect(0, 0, width_, height_);
    const std::uint32_t* bits = picture.bits();
    const std::ptrdiff_t stride = picture.stride();
    const auto changed = [&](int x, int y) {
        return frames_ == 0 || (bits[y * stride + x] & ColorMask) != shown_[static_cast<std::size_t>(y) * width_ + x];
    };
    int left = width_, top = height_, right = -1, bottom = -1;
    // The colours of the changed pixels: a run draws in a few colours, so a new one is rare.
    std::vector<std::uint32_t> colors;
    std::uint32_t lastColor = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (changed(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
                const std::uint32_t color = bits[y * stride + x] & ColorMask;
                if ((color != lastColor || colors.empty()) && std::find(colors.begin(), colors.end(), color) == colors.end())
                    colors.push_back(color);
                lastColor = color;
            }
    if (right < 0) {
        // Nothing changed: one transparent pixel holds the frame's time.
        left = top = right = bottom = 0;
    }
    std::sort(colors.begin(), colors.end());
    const QRect rect(left, top, right - left + 1, bottom - top + 1);
    // A frame of more colours than a table holds is laid down in parts, each of a table's
    // colours, shown at once: all but the last last no time.
    for (std::size_t first = 0; first < std::max<std::size_t>(colors.size(), 1); first += MaxColors) {
        const std::size_t last = std::min(colors.size(), first + MaxColors);
        const std::vector<std::uint32_t> part(colors.begin() + static_cast<std::ptrdiff_t>(first),
                                              colors.begin() + static_cast<std::ptrdiff_t>(last));
        PutImage(picture, part, rect, last == colors.size() ? delay : 0);
    }
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            shown_[static_cast<std::size_t>(y) * width_ + x] = bits[y * stride + x] & ColorMask;
    ++frames_;
}

void AnimationFile::PutImage(const Surface& picture, const std::vector<std::uint32_t>& colors, const QRect& rect, int delay)
{
    const int transparent = static_cast<int>(colors.size());
    std::vector<GifColorType> table(static_cast<std::size_t>(OnePowerAbove(colors.size() + 1)), GifColorType{0, 0, 0});
    std::unordered_map<std::uint32_t, GifPixelType> index;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        table[i] = GifColorType{static_cast<GifByteType>(colors[i] >> 16), static_cast<GifByteType>(colors[i] >> 8),
                                static_cast<GifByteType>(colors[i])};
        index.emplace(colors[i], static_cast<GifPixelType>(i));
    }
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT; // what a frame leaves transparent shows the frame before
    control.DelayTime = delay;
    control.TransparentColor = transparent;
    GifByteType extension[4];
    const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
    Check(encoder_->gif, EGifPutExtension(encoder_->gif, GRAPHICS_EXT_FUNC_CODE, length, extension));
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(table.size()), table.data());
    if (!map)
        Fail(E_GIF_ERR_NOT_ENOUGH_MEM);
    const int described = EGifPutImageDesc(encoder_->gif, rect.x(), rect.y(), rect.width(), rect.height(), false, map);
    GifFreeMapObject(map);
    Check(encoder_->gif, described);
    std::vector<GifPixelType> line(static_cast<std::size_t>(rect.width()));
    // While a frame is being laid down, shown_ still holds the frame before.
    std::uint32_t lastColor = 0;
    GifPixelType lastIndex = static_cast<GifPixelType>(transparent);
    bool cached = false;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const std::uint32_t* row = picture.bits() + y * picture.stride();
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const std::uint32_t color = row[x] & ColorMask;
            GifPixelType out = static_cast<GifPixelType>(transparent);
            if (frames_ == 0 || color != shown_[static_cast<std::size_t>(y) * width_ + x]) {
                if (!cached || color != lastColor) {
                    const auto found = index.find(color);
                    lastIndex = found == index.end() ? static_cast<GifPixelType>(transparent) : found->second;
                    lastColor = color;
                    cached = true;
                }
                out = lastIndex;
            }
            line[static_cast<std::size_t>(x - rect.left())] = out;
        }
        Check(encoder_->gif, EGifPutLine(encoder_->gif, line.data(), rect.width()));
    }
}

void AnimationFile::Finish()
{
    int error = 0;
    GifFileType* gif = encoder_->gif;
    encoder_->gif = nullptr;
    if (EGifCloseFile(gif, &error) != GIF_OK)
        Fail(error);
}

} // namespace platform
