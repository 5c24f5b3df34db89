#include "qtinput.h"

#include "keycodes.h"

namespace platform {

int KeyCodeOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Backspace: return KeyBack;
    case Qt::Key_Tab: return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyReturn;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_Space: return KeySpace;
    case Qt::Key_PageUp: return KeyPageUp;
    case Qt::Key_PageDown: return KeyPageDown;
    case Qt::Key_End: return KeyEnd;
    case Qt::Key_Home: return KeyHome;
    case Qt::Key_Insert: return KeyInsert;
    case Qt::Key_Delete: return KeyDelete;
    case Qt::Key_Shift: return KeyShift;
    case Qt::Key_Control: return KeyControl;
    case Qt::Key_Alt: return KeyMenu;
    default: break;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey; // the same codes as their upper-case characters
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16)
        return 112 + (qtKey - Qt::Key_F1);
    return 0;
}

int ShiftOf(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? ShiftMaskShift : 0) | (modifiers & Qt::ControlModifier ? ShiftMaskCtrl : 0)
        | (modifiers & Qt::AltModifier ? ShiftMaskAlt : 0);
}

int ButtonsOf(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? ButtonLeft : 0) | (buttons & Qt::RightButton ? ButtonRight : 0)
        | (buttons & Qt::MiddleButton ? ButtonMiddle : 0);
}

} // namespace platform
