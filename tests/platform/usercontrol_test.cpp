#include "errors.h"
#include "form.h"
#include "picturebox.h"
#include "usercontrol.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

// A user control that keeps its size at 40 x 20 and logs its life cycle.
class Probe : public UserControl {
public:
    Probe(Container& host, const Design& design, std::vector<std::string>& log)
        : UserControl(host, design), log_(log), store_(*this, Design{"picStore", 3240, 2640, platform::Twips(49), platform::Twips(19), 0, ""}, 0, platform::BorderNone)
    {
        setFocusChild(store_);
        store_.GotFocus = [this] { log_.push_back("GotFocus"); };
        store_.LostFocus = [this] { log_.push_back("LostFocus"); };
        store_.KeyDown = [this](int code, int) { log_.push_back("Key " + std::to_string(code)); };
    }
    void setSize(int size)
    {
        size_ = size;
        PropertyChanged("Size");
    }
    int size() const { return size_; }
    bool userMode() const { return AmbientUserMode(); }

protected:
    void UserControl_Initialize() override { log_.push_back("Initialize"); }
    void UserControl_InitProperties() override { log_.push_back("InitProperties"); }
    void UserControl_ReadProperties(const PropertyBag& bag) override
    {
        size_ = bag.ReadProperty("Size", 4);
        log_.push_back("ReadProperties");
    }
    void UserControl_WriteProperties(PropertyBag& bag) override { bag.WriteProperty("Size", size_, 4); }
    void UserControl_Resize() override
    {
        log_.push_back("Resize");
        setWidth(ScaleX(40, ScaleMode::Pixels, ScaleMode::Container));
        setHeight(ScaleY(300, ScaleMode::Twips, ScaleMode::Container));
    }
    void UserControl_Show() override { log_.push_back("Show"); }
    void UserControl_Hide() override { log_.push_back("Hide"); }

private:
    std::vector<std::string>& log_;
    PictureBox store_;
    int size_ = 0;
};

TEST(UserControlLife, InitialiseThenInitOrReadPropertiesThenShow)
{
    Form form("host", platform::Twips(200), platform::Twips(100));
    std::vector<std::string> fresh, saved;
    Probe a(form, Design{"cpOne", 0, 0, 600, 300, 0, ""}, fresh);
    Probe b(form, Design{"cpTwo", 900, 0, 600, 300, 1, ""}, saved);
    a.Create(nullptr);
    b.Create(std::make_unique<PropertyBag>(PropertyBag::FromText("Size = 2")).get());
    EXPECT_EQ(fresh, (std::vector<std::string>{"Initialize", "InitProperties"}));
    EXPECT_EQ(saved, (std::vector<std::string>{"Initialize", "ReadProperties"}));
    EXPECT_EQ(b.size(), 2);
    EXPECT_TRUE(a.userMode());
    form.Show();
    EXPECT_EQ(fresh.back(), "Show");
    form.widget().hide();
    EXPECT_EQ(fresh.back(), "Hide");

    b.setSize(4);
    EXPECT_TRUE(b.Save().empty()) << "the default is not saved";
    b.setSize(9);
    EXPECT_EQ(b.Save().ToText(), "Size = 9\n");
    EXPECT_EQ(form.changedProperties().size(), 2U);
    EXPECT_EQ(form.changedProperties().back(), (std::pair<std::string, std::string>{"cpTwo", "Size"}));
}

TEST(UserControlLife, TheControlUndoesAHostsResize)
{
    Form form("host", platform::Twips(200), platform::Twips(100));
    std::vector<std::string> log;
    Probe probe(form, Design{"cp", 0, 0, 600, 300, 0, ""}, log);
    probe.setWidth(100);
    EXPECT_EQ(probe.Width(), 40);
    EXPECT_EQ(probe.Height(), 20);
    EXPECT_EQ(probe.widget().width(), 40);
    EXPECT_THROW(probe.setHeight(-1), InvalidPropertyValue);
}

TEST(UserControlLife, DesignerHostingHasNoUserMode)
{
    Form designer("designer", platform::Twips(200), platform::Twips(100), false);
    std::vector<std::string> log;
    Probe probe(designer, Design{"cp", 0, 0, 600, 300, 0, ""}, log);
    EXPECT_FALSE(probe.userMode());
}

TEST(UserControlFocus, AClickGivesTheFocusToTheChildOutsideTheVisibleArea)
{
    Form form("host", platform::Twips(200), platform::Twips(100));
    std::vector<std::string> log;
    Probe probe(form, Design{"cp", 15 * 10, 15 * 10, 600, 300, 0, ""}, log);
    PictureBox other(form, Design{"other", 15 * 100, 0, 300, 300, 1, ""}, 0, platform::BorderNone);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.widget()));
    QTest::mouseClick(form.widget().windowHandle(), Qt::LeftButton, {}, QPoint(15, 15));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.empty() && log.back() == "GotFocus"; }, 1000));
    QTest::keyClick(form.widget().windowHandle(), Qt::Key_Right);
    EXPECT_EQ(log.back(), "Key 39");
    other.SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.back() == "LostFocus"; }, 1000));
    QTest::keyClick(form.widget().windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.back() == "GotFocus"; }, 1000)) << "tabbing in works too";
}

} // namespace
