#pragma once

#include <cstdint>
#include <string>

namespace sim {

// The captions' words in English, %1, %2, ... standing for their numbers in order. The window
// gives them in the user's language.
inline constexpr const char* RunCaptionWords = "%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%";
inline constexpr const char* SizeCaptionWords = "Vemmick 2  Size: %1 x %2";

// "150 x 100  1000 Steps  Color 1: 2%  Color 2: 98%": the caption written after every cycle, the
// grid's width and height, the steps and the two shares put into `words`.
std::string RunCaption(std::int32_t gridWidth, std::int32_t gridHeight, std::int64_t stepCount,
                       int shareOne, int shareTwo, const std::string& words = RunCaptionWords);

// "Vemmick 2  Size: 151 x 111": the grid that the next Start creates from a drawing area of the
// given inner size in pixels, put into `words`.
std::string SizeCaption(double scaleWidth, double scaleHeight, int dotSize, const std::string& words = SizeCaptionWords);

} // namespace sim
