#include "picturebox.h"

#include "accessiblenotice.h"
#include "colortext.h"
#include "container.h"
#include "qtinput.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace platform {

class PictureBox::Widget : public QWidget {
public:
    Widget(PictureBox& owner, QWidget* parent) : QWidget(parent), owner_(owner)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        const int border = owner_.borderWidth();
        if (border > 0) {
            // The border shows the focus in the style's highlight colour, and the image stays as drawn.
            // Four filled strips: whole pixels at any display scale, where a pen's line may
            // straddle two of them.
            const QColor color = hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::black);
            const QRect r = rect();
            painter.fillRect(QRect(0, 0, r.width(), border), color);
            painter.fillRect(QRect(0, r.height() - border, r.width(), border), color);
            painter.fillRect(QRect(0, border, border, r.height() - 2 * border), color);
            painter.fillRect(QRect(r.width() - border, border, border, r.height() - 2 * border), color);
        }
        // Only the asked-for part of the image: after a cycle, the tiles its dots changed.
        const Surface& surface = owner_.surface();
        const QRect image(border, border, surface.width(), surface.height());
        for (const QRect& asked : event->region()) {
            const QRect part = asked.intersected(image);
            if (!part.isEmpty())
                painter.drawImage(part.topLeft(), surface.image(), part.translated(-border, -border));
        }
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        const bool byKeyboard = event->reason() == QContextMenuEvent::Keyboard;
        const QPoint at = byKeyboard ? QPoint(owner_.borderWidth(), owner_.borderWidth()) : event->pos();
        owner_.ContextMenu(at.x(), at.y(), byKeyboard);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        // The platforms turn the Menu key into a context menu event; Shift+F10 is ours to turn.
        if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
            owner_.ContextMenu(owner_.borderWidth(), owner_.borderWidth(), true);
            return;
        }
        const int code = KeyCodeOf(event->key());
        owner_.KeyDown(code, ShiftOf(event->modifiers()));
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        update(); // the border shows the focus
        owner_.GotFocus();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QWidget::focusOutEvent(event);
        update();
        owner_.LostFocus();
    }

private:
    PictureBox& owner_;
};

PictureBox::PictureBox(Container& parent, const Design& design, ColorValue backColor, BorderStyle border)
    : WindowedControl(parent, design, std::make_unique<Widget>(*this, &parent.widget()))
    , backColor_(backColor)
    , border_(border)
{
    applyAll();
}

void PictureBox::applyGeometry()
{
    WindowedControl::applyGeometry();
    const QRect r = pixelRect();
    surface_.Resize(r.width() - 2 * borderWidth(), r.height() - 2 * borderWidth(), backColor_);
}

void PictureBox::setBackColor(ColorValue color)
{
    const std::string before = AccessibleValue();
    backColor_ = color;
    Cls();
    if (AccessibleValue() != before)
        ReportTextChanged(widget(), before, AccessibleValue());
}

std::string PictureBox::AccessibleValue() const { return ColorText(backColor_); }

void PictureBox::Cls()
{
    surface_.Fill(backColor_);
    if (!picture_.IsNull())
        surface_.Draw(picture_.image());
    widget().update();
}

void PictureBox::Refresh()
{
    const int border = borderWidth();
    const QRegion changed = surface_.TakeChanged().translated(border, border);
    if (!changed.isEmpty())
        widget().repaint(changed);
}

ColorValue PictureBox::Point(float x, float y) const
{
    if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 1e9F || std::fabs(y) > 1e9F)
        return -1;
    return surface_.Pixel(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

Picture PictureBox::Image() const
{
    return Picture::FromImage(surface_.image().copy(0, 0, surface_.width(), surface_.height()));
}

void PictureBox::setPicture(const platform::Picture& picture)
{
    picture_ = picture;
    if (!picture_.IsNull())
        surface_.Draw(picture_.image());
    widget().update();
}

} // namespace platform
