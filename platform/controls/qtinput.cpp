#include "qtinput.h"

#include "keycodes.h"

namespace platform {

int KeyCodeOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return KeyCode::Left;
    case Qt::Key_Up: return KeyCode::Up;
    case Qt::Key_Right: return KeyCode::Right;
    case Qt::Key_Down: return KeyCode::Down;
    case Qt::Key_Backspace: return KeyCode::Back;
    case Qt::Key_Tab: return KeyCode::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCode::Return;
    case Qt::Key_Escape: return KeyCode::Escape;
    case Qt::Key_Space: return KeyCode::Space;
    case Qt::Key_PageUp: return KeyCode::PageUp;
    case Qt::Key_PageDown: return KeyCode::PageDown;
    case Qt::Key_End: return KeyCode::End;
    case Qt::Key_Home: return KeyCode::Home;
    case Qt::Key_Insert: return KeyCode::Insert;
    case Qt::Key_Delete: return KeyCode::Delete;
    case Qt::Key_Shift: return KeyCode::Shift;
    case Qt::Key_Control: return KeyCode::Control;
    case Qt::Key_Alt: return KeyCode::Menu;
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
