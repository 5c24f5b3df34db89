#pragma once

namespace platform {

// Units in which a container measures: twips (1/1440 inch), pixels, or those of the container
// that hosts it (for a user control).
enum class ScaleMode { Twips = 1, Pixels = 3, Container = 10 };

// Design-time lengths are in twips, 15 to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;
constexpr int Twips(int pixels) { return pixels * TwipsPerPixel; }

} // namespace platform
