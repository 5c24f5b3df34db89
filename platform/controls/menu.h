#pragma once

#include "event.h"

#include <memory>
#include <string>

class QAction;
class QMenu;

namespace platform {

class Form;
class WindowedControl;

// A pop-up menu of a form's commands (MenuItem). It adds no tab stop: it shows only when a
// control asks for it (Popup) and takes the keyboard until a command is chosen or it is dismissed.
class Menu {
public:
    // name: what a screen reader calls the menu.
    Menu(Form& form, const std::string& name);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Shows the menu with its top-left corner at (x, y) of the control, in its pixels, and returns
    // at once: a chosen command's Click comes later, from the event loop. Opened from the keyboard,
    // its first command is selected, as the platforms' own menus do; where a screen reader listens
    // that comes a moment later (FocusAnnouncingTime), so that the reader announces the menu before
    // the command. Either way a screen reader is told that the menu opened.
    void Popup(const WindowedControl& control, int x, int y, bool byKeyboard);

    Form& form() const { return form_; }
    QMenu& widget() const { return *menu_; }

private:
    Form& form_;
    std::unique_ptr<QMenu> menu_;
};

// A command of a menu. Its shortcut works wherever the focus is in the form's window, also while
// the menu is hidden.
class MenuItem {
public:
    // caption: "&" before the access key; shortcut: as "Ctrl+C", which the menu shows beside the
    // caption and which the platform translates where its keys are named otherwise.
    MenuItem(Menu& menu, const std::string& caption, const std::string& shortcut);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    Event<> Click;
    // A disabled command shows greyed and does nothing, from the menu or by its shortcut.
    void setEnabled(bool enabled);

private:
    std::unique_ptr<QAction> action_;
};

} // namespace platform
