#pragma once

#include "surface.h"

#include <QRect>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// An animated GIF built up in memory, frame by frame, to be written whole (SaveAnimation). Every
// frame is a picture of the animation's size; the file keeps of it only the rectangle that changed
// since the frame before, with the pixels that stayed the same transparent, so that a frame of a
// few new dots takes a few bytes. The animation loops.
class AnimationFile {
public:
    // width, height >= 1: the size of every frame. Throws FileError, in words, when the encoder
    // fails (memory runs out) or the size is more than a GIF holds (65535 pixels).
    AnimationFile(int width, int height);
    ~AnimationFile();
    AnimationFile(const AnimationFile&) = delete;
    AnimationFile& operator=(const AnimationFile&) = delete;

    // Adds the top-left width by height pixels of the surface, shown for `delay` hundredths of a
    // second (0 to 65535). Only the surface's changed tiles are looked at, and taken (TakeChanged):
    // the surface is drawn into between frames and shown nowhere else.
    void AddFrame(Surface& picture, int delay);
    int frameCount() const { return frames_; }
    // The bytes so far: the file once Finish has run.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    // Ends the file; no frame can follow.
    void Finish();

private:
    struct Encoder;
    // The picture's pixels in rect that differ from shown_ and have a colour in `colors`; all
    // others transparent.
    void PutImage(const Surface& picture, const std::vector<std::uint32_t>& colors, const QRect& rect, int delay);
    int width_;
    int height_;
    int frames_ = 0;
    std::vector<std::uint32_t> shown_; // the picture as the frames so far leave it
    std::vector<std::uint8_t> bytes_;
    std::unique_ptr<Encoder> encoder_;
};

} // namespace platform
