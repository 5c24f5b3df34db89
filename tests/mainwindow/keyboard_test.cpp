#include "form1fixture.h"

#include <QApplication>
#include <QImage>

#include <vector>

using namespace testing_form1;

namespace {

class Keyboard : public Form1Test {
protected:
    // The tab stops in order, from Clear, that can take the focus now: Pause and the dot-size list
    // are disabled by turns.
    std::vector<const QWidget*> Stops()
    {
        std::vector<const QWidget*> stops;
        for (const platform::WindowedControl* c : std::initializer_list<const platform::WindowedControl*>{
                 &form.cmdClear, &form.cmdStart, &form.cmdStop, &form.chkPause, &form.cboInterval, &form.cboSteps,
                 &form.cboDotSize, &form.cpOne.store(), &form.cpTwo.store(), &form.picDest, &form.picSrc(1),
                 &form.picSrc(0)})
            if (c->Enabled())
                stops.push_back(&c->widget());
        return stops;
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window(), key, modifiers);
        QCoreApplication::processEvents();
    }

    // Twice round the cycle in each direction, starting on Clear.
    void ExpectTabCycle()
    {
        form.cmdClear.SetFocus();
        const std::vector<const QWidget*> stops = Stops();
        const auto n = stops.size();
        for (std::size_t i = 1; i <= 2 * n; ++i) {
            Key(Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), stops[i % n]) << "Tab " << i;
        }
        for (std::size_t i = 1; i <= 2 * n; ++i) {
            Key(Qt::Key_Tab, Qt::ShiftModifier);
            ASSERT_EQ(QApplication::focusWidget(), stops[(2 * n - i) % n]) << "Shift+Tab " << i;
        }
    }
};

TEST_F(Keyboard, TabGoesRoundEveryStopAndBack)
{
    ExpectTabCycle(); // idle: Pause disabled
    // From Clear, twelve Tabs reach Start, and Space presses it.
    for (int i = 0; i < 12; ++i)
        Key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &form.cmdStart.widget());
    Key(Qt::Key_Space);
    ExpectState(RunState::Running);
    ExpectTabCycle(); // running: Pause enabled, the dot-size list disabled
}

TEST_F(Keyboard, ClearShowsTheFocusAsTheWindowOpens)
{
    const QImage opened = form.cmdClear.widget().grab().toImage();
    form.cmdStart.SetFocus();
    QCoreApplication::processEvents();
    EXPECT_NE(form.cmdClear.widget().grab().toImage(), opened);
}

TEST_F(Keyboard, EveryStopShowsThatItHasTheFocus)
{
    // What each stop looks like without the focus; a picker is seen through its palette.
    const auto shown = [](const QWidget* stop) {
        const QWidget* seen = stop->parentWidget()->focusProxy() == stop ? stop->parentWidget() : stop;
        return const_cast<QWidget*>(seen)->grab().toImage();
    };
    const std::vector<const QWidget*> stops = Stops();
    // Once round first: a picker that has never had the focus keeps its frame's first look, which
    // is also how it starts to blink.
    form.cmdClear.SetFocus();
    for (std::size_t i = 0; i < stops.size(); ++i)
        Key(Qt::Key_Tab);
    std::vector<QImage> unfocused;
    form.cmdStart.SetFocus();
    QCoreApplication::processEvents();
    for (const QWidget* stop : stops)
        unfocused.push_back(shown(stop));
    form.cmdStop.SetFocus();
    QCoreApplication::processEvents();
    unfocused[1] = shown(stops[1]);

    form.cmdClear.SetFocus();
    for (std::size_t i = 0; i < stops.size(); ++i) {
        ASSERT_EQ(QApplication::focusWidget(), stops[i]);
        EXPECT_NE(shown(stops[i]), unfocused[i]) << "stop " << i << " does not show its focus";
        Key(Qt::Key_Tab);
    }
}

TEST_F(Keyboard, ReturnPressesAButtonAndSpaceTogglesPause)
{
    form.cmdStart.SetFocus();
    Key(Qt::Key_Return);
    ExpectState(RunState::Running);
    form.chkPause.SetFocus();
    Key(Qt::Key_Space);
    ExpectState(RunState::Paused);
    Key(Qt::Key_Space);
    ExpectState(RunState::Running);
    form.cmdStop.SetFocus();
    Key(Qt::Key_Enter);
    ExpectState(RunState::Stopped);
}

} // namespace
