#include "menu.h"

#include "accessiblenotice.h"
#include "controlstyle.h"
#include "form.h"
#include "windowedcontrol.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace platform {

Menu::Menu(Form& form, const std::string& name) : form_(form), menu_(std::make_unique<QMenu>(&form.widget()))
{
    menu_->setTitle(QString::fromStdString(name));
    menu_->setAccessibleName(QString::fromStdString(name));
    // In the face of the controls, which is one that the system really draws.
    QFont font = menu_->font();
    font.setFamily(ControlFont().family());
    menu_->setFont(font);
    // Closed, the menu gives the keyboard back to the control that had it, which Qt does not tell
    // Orca: it would say only the window's name, as the window is active again. Not so when the
    // command chosen opens a dialog, which is up by the time this runs.
    QObject::connect(menu_.get(), &QMenu::aboutToHide, menu_.get(), [window = &form.widget()] {
        QTimer::singleShot(0, window, [window] {
            QWidget* focus = QApplication::focusWidget();
            if (focus && focus->window() == window && window->isActiveWindow() && !QApplication::activeModalWidget())
                ReportFocusReturned(*focus);
        });
    });
}

Menu::~Menu() = default;

void Menu::Popup(const WindowedControl& control, int x, int y, bool byKeyboard)
{
    menu_->popup(control.widget().mapToGlobal(QPoint(x, y)));
    ReportFocus(*menu_);
    if (!byKeyboard || menu_->actions().isEmpty())
        return;
    const auto selectFirst = [menu = menu_.get()] {
        if (menu->isVisible() && !menu->activeAction())
            menu->setActiveAction(menu->actions().value(0));
    };
    // The menu is announced before its first command is: a screen reader that is told of the
    // command's focus too soon after the menu's passes over the menu.
    if (const std::chrono::milliseconds pause = FocusAnnouncingTime(); pause.count() > 0)
        QTimer::singleShot(pause, menu_.get(), selectFirst);
    else
        selectFirst();
}

MenuItem::MenuItem(Menu& menu, const std::string& caption, const std::string& shortcut)
    : action_(std::make_unique<QAction>(QString::fromStdString(caption)))
{
    action_->setShortcut(QKeySequence(QString::fromStdString(shortcut), QKeySequence::PortableText));
    action_->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action_.get(), &QAction::triggered, [this] { Click(); });
    menu.widget().addAction(action_.get());
    // The window holds the command too, so that its shortcut works while the menu is hidden.
    menu.form().widget().addAction(action_.get());
}

MenuItem::~MenuItem() = default;

void MenuItem::setEnabled(bool enabled) { action_->setEnabled(enabled); }

} // namespace platform
