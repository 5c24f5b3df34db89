#include "buttonface.h"

#include "controlstyle.h"
#include "picture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

namespace platform {

namespace {

// A button's picture at any size by repeating its pixels, never blending them: on a display at
// 200% each pixel of the picture is a square of four device pixels. A disabled button shows it
// as the style greys any picture.
class PixelArtIconEngine : public QIconEngine {
public:
    explicit PixelArtIconEngine(QImage image) : image_(std::move(image)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap pixels = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        pixels.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), pixels);
    }
    // size is in device pixels when Qt asks for a scaled display.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) override
    {
        const QPixmap pixels = QPixmap::fromImage(image_.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        if (mode != QIcon::Disabled)
            return pixels;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixels, &option);
    }
    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override { return size; }
    QIconEngine* clone() const override { return new PixelArtIconEngine(image_); }

private:
    QImage image_;
};

} // namespace

void ShowButtonPicture(QPushButton& button, const Picture& picture)
{
    const Picture masked = picture.Masked(RGB(255, 255, 255));
    button.setIcon(QIcon(new PixelArtIconEngine(masked.image()))); // the icon owns its engine
    button.setIconSize(QSize(picture.Width(), picture.Height()));
    button.setFont(ControlFont());
}

} // namespace platform
