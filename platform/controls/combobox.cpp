#include "combobox.h"

#include "container.h"
#include "controlstyle.h"
#include "errors.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QProxyStyle>

#include <algorithm>
#include <QSignalBlocker>

namespace platform {

namespace {

// Gives a closed list's text the room that the style's arrow area leaves beside its arrow, so that
// the whole item shows: "100000" in a list 65 pixels wide, "15" in one of 41.
class ListStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return rect;
        const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
        const int gain = std::max(0, arrow.width() - ListArrowWidth);
        const bool arrowOnRight = arrow.center().x() >= option->rect.center().x();
        if (part == SC_ComboBoxArrow)
            return arrowOnRight ? arrow.adjusted(gain, 0, 0, 0) : arrow.adjusted(0, 0, -gain, 0);
        return arrowOnRight ? rect.adjusted(0, 0, gain, 0) : rect.adjusted(-gain, 0, 0, 0);
    }
};

// One style for every list, on top of the application's own; it lives as long as the application.
QStyle* TheListStyle()
{
    static QPointer<ListStyle> style;
    if (!style) {
        style = new ListStyle(QApplication::style()->name());
        style->setParent(QCoreApplication::instance()); // the application deletes it
    }
    return style;
}

} // namespace

ComboBox::ComboBox(Container& parent, const Design& design)
    : WindowedControl(parent, design, std::make_unique<QComboBox>(&parent.widget()))
{
    combo().setStyle(TheListStyle());
    combo().setFont(ControlFont());
    QObject::connect(&combo(), &QComboBox::activated, &combo(), [this](int) { Click(); });
    applyAll();
}

QComboBox& ComboBox::combo() const { return static_cast<QComboBox&>(widget()); }

void ComboBox::AddItem(const std::string& item)
{
    // Appending to an empty list makes Qt choose the item by itself; the list stays unchosen here.
    const QSignalBlocker blocker(&combo());
    const int before = combo().currentIndex();
    combo().addItem(QString::fromStdString(item));
    combo().setCurrentIndex(before);
}

int ComboBox::ListCount() const { return combo().count(); }

std::string ComboBox::List(int index) const { return combo().itemText(index).toStdString(); }

int ComboBox::ListIndex() const { return combo().currentIndex(); }

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= combo().count())
        throw InvalidPropertyValue("list index out of range in " + Name());
    {
        const QSignalBlocker blocker(&combo());
        combo().setCurrentIndex(index);
    }
    Click();
}

std::string ComboBox::Text() const { return combo().currentText().toStdString(); }

void ComboBox::setText(const std::string& text)
{
    const int index = combo().findText(QString::fromStdString(text), Qt::MatchExactly);
    if (index < 0)
        throw InvalidPropertyValue("'" + text + "' is not an item of " + Name());
    setListIndex(index);
}

} // namespace platform
