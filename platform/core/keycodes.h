#pragma once

namespace platform {

// Key codes of KeyDown events; keys without a code arrive as 0.
namespace KeyCode {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
} // namespace KeyCode

// Shift state of key and mouse events: a sum of these bits.
enum ShiftMask : int { ShiftMaskShift = 1, ShiftMaskCtrl = 2, ShiftMaskAlt = 4 };

// Mouse buttons of mouse events.
enum MouseButton : int { ButtonLeft = 1, ButtonRight = 2, ButtonMiddle = 4 };

} // namespace platform
