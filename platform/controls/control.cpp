#include "control.h"

#include "container.h"
#include "errors.h"
#include "scalemode.h"

#include <cmath>

namespace platform {

Control::Control(Container& parent, const Design& design)
    : parent_(parent)
    , name_(design.name)
    , left_(static_cast<float>(design.left) / TwipsPerPixel)
    , top_(static_cast<float>(design.top) / TwipsPerPixel)
    , width_(static_cast<float>(design.width) / TwipsPerPixel)
    , height_(static_cast<float>(design.height) / TwipsPerPixel)
    , visible_(design.visible)
    , enabled_(design.enabled)
    , tabIndex_(design.tabIndex)
    , toolTipText_(design.toolTipText)
{
    parent_.registerControl(*this);
}

Control::~Control() { parent_.unregisterControl(*this); }

void Control::Move(float left, float top, float width, float height)
{
    if (!(width >= 0.0F) || !(height >= 0.0F))
        throw InvalidPropertyValue("invalid size for " + name_);
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) || !std::isfinite(height))
        throw InvalidPropertyValue("invalid position for " + name_);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void Control::setIndex(int index)
{
    index_ = index;
    applyName();
}

void Control::setVisible(bool visible)
{
    visible_ = visible;
    applyVisible();
}

void Control::setEnabled(bool enabled)
{
    enabled_ = enabled;
    applyEnabled();
}

void Control::setToolTipText(const std::string& text)
{
    toolTipText_ = text;
    applyToolTip();
}

void Control::setAccessibleName(const std::string& name)
{
    accessibleName_ = name;
    applyToolTip();
}

QRect Control::pixelRect() const
{
    const auto round = [](float v) { return static_cast<int>(std::lround(v)); };
    return {round(left_), round(top_), round(width_), round(height_)};
}

} // namespace platform
