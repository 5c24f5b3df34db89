#pragma once

#include "container.h"
#include "event.h"
#include "picture.h"

#include <QSize>

#include <memory>
#include <string>
#include <vector>

namespace platform {

// A top-level window. Load comes once, before it is first shown; Resize when it is shown and on
// every change of its interior, minimising (interior 0 by 0) and restoring included.
class Form : public Container {
public:
    enum WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

    // The interior size is given in twips. userMode false hosts the controls as a designer would.
    Form(const std::string& caption, int interiorWidthTwips, int interiorHeightTwips, bool userMode = true);
    ~Form() override;

    Event<> Load;
    Event<> Resize;

    std::string Caption() const;
    void setCaption(const std::string& caption);
    // The interior in pixels; 0 by 0 while minimised.
    float ScaleWidth() const;
    float ScaleHeight() const;
    WindowState windowState() const;
    void setWindowState(WindowState state);
    void setIcon(const std::vector<Picture>& images);

    // Runs Load the first time, then puts the window on the screen.
    void Show();

    bool AmbientUserMode() const override { return userMode_; }

    // Saved properties of hosted controls that changed since the form was created: (control, key).
    const std::vector<std::pair<std::string, std::string>>& changedProperties() const { return changed_; }
    void controlPropertyChanged(const Control& control, const std::string& key) override;
    bool moveFocus(bool next) override;

private:
    void widgetResized() override;
    void widgetStateChanged() override;
    void reportResize();
    void applyTabOrder();

    std::unique_ptr<ContainerWidget> window_;
    bool userMode_;
    bool loaded_ = false;
    QSize reported_{-1, -1};
    std::vector<QWidget*> tabStops_; // in TabIndex order; a user control's own stops in its place
    std::vector<std::pair<std::string, std::string>> changed_;
};

} // namespace platform
