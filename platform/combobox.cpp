#include "combobox.h"

#include "container.h"
#include "errors.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace platform {

ComboBox::ComboBox(Container& parent, const Design& design)
    : WindowedControl(parent, design, std::make_unique<QComboBox>(&parent.widget()))
{
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
