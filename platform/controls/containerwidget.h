#pragma once

#include <QWidget>

namespace platform {

class Container;

// The Qt widget of a form or user control: paints the windowless controls and passes mouse,
// size and visibility events to its container.
class ContainerWidget : public QWidget {
public:
    ContainerWidget(Container& owner, QWidget* parent);

    Container& owner() const { return owner_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Container& owner_;
};

} // namespace platform
