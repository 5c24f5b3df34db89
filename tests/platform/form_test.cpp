#include "form.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

struct Events : ::testing::Test {
    Form form{"Design caption", 8520, 6105};
    std::vector<std::string> log;
    void SetUp() override
    {
        form.Load = [&] { log.push_back("Load " + std::to_string(form.widget().isVisible())); };
        form.Resize = [&] {
            log.push_back("Resize " + std::to_string(static_cast<int>(form.ScaleWidth())) + "x"
                          + std::to_string(static_cast<int>(form.ScaleHeight())));
        };
    }
};

TEST_F(Events, LoadComesOnceBeforeTheFirstShowThenResize)
{
    EXPECT_EQ(form.Caption(), "Design caption");
    form.Show();
    form.Show();
    EXPECT_EQ(log, (std::vector<std::string>{"Load 0", "Resize 568x407"}));
    form.setCaption("Vemmick 2  Size: 1 x 1");
    EXPECT_EQ(form.widget().windowTitle().toStdString(), "Vemmick 2  Size: 1 x 1");
}

TEST_F(Events, EverySizeChangeRaisesResizeMinimisingIncluded)
{
    form.Show();
    log.clear();
    form.widget().resize(300, 24);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.empty(); }, 1000));
    EXPECT_EQ(log.back(), "Resize 300x24");
    form.setWindowState(Form::Minimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.back() == "Resize 0x0"; }, 1000));
    EXPECT_EQ(form.windowState(), Form::Minimized);
    form.setWindowState(Form::Normal);
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.back() == "Resize 300x24"; }, 1000));
    EXPECT_EQ(log.size(), 3U) << "one Resize per change";
}

} // namespace
