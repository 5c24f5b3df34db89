#pragma once

namespace platform {

// Key codes of KeyDown events; keys without a code arrive as 0.
enum KeyCode : int {
    KeyBack = 8,
    KeyTab = 9,
    KeyReturn = 13,
    KeyShift = 16,
    KeyControl = 17,
    KeyMenu = 18,
    KeyEscape = 27,
    KeySpace = 32,
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyInsert = 45,
    KeyDelete = 46,
};

// Shift state of key and mouse events: a sum of these bits.
enum ShiftMask : int { ShiftMaskShift = 1, ShiftMaskCtrl = 2, ShiftMaskAlt = 4 };

// Mouse buttons of mouse events.
enum MouseButton : int { ButtonLeft = 1, ButtonRight = 2, ButtonMiddle = 4 };

} // namespace platform
