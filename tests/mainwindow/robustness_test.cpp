#include "form1fixture.h"

#include <random>

using namespace testing_form1;

namespace {

// A long random session: clicks on every control, list picks, picker input, resizes down to 1 by 1
// and minimised, and timer cycles. After every event the run-state table holds and the world and
// the picture agree with the simulation's bounds.
TEST_F(Form1Test, ARandomSessionKeepsTheStateTableTrue)
{
    std::mt19937 random(20261208);
    const auto pick = [&](platform::ComboBox& combo) {
        if (combo.Enabled())
            Pick(combo, combo.List(static_cast<int>(random() % static_cast<unsigned>(combo.ListCount()))));
    };
    Pick(form.cboSteps, "100"); // keeps each cycle short
    for (int event = 0; event < 3000; ++event) {
        switch (random() % 14) {
        case 0: Click(form.cmdStart); break;
        case 1: Click(form.cmdStop); break;
        case 2: Click(form.chkPause); break;
        case 3: Click(form.cmdClear); break;
        case 4: pick(form.cboInterval); break;
        case 5:
            if (form.cboSteps.Enabled())
                Pick(form.cboSteps, form.cboSteps.List(static_cast<int>(random() % 4))); // up to 1000 steps
            break;
        case 6: pick(form.cboDotSize); break;
        case 7: {
            const QPoint p = PaletteCell(mainwindow::design::cpOne, static_cast<int>(random() % 140) - 1, static_cast<int>(random() % 30) - 1);
            if (p.x() < form.ScaleWidth() && p.y() < form.ScaleHeight())
                QTest::mouseClick(window(), Qt::LeftButton, {}, p);
            break;
        }
        case 8: QTest::keyClick(window(), random() % 2 ? Qt::Key_Left : Qt::Key_Down); break;
        case 9: form.widget().resize(1 + static_cast<int>(random() % 700), 1 + static_cast<int>(random() % 500)); break;
        case 10:
            form.setWindowState(random() % 2 ? platform::Form::Minimized : platform::Form::Normal);
            break;
        default:
            if (form.Timer.Enabled())
                form.Timer_Timer();
            break;
        }
        QCoreApplication::processEvents();

        const bool running = form.Timer.Enabled();
        const bool paused = form.chkPause.Value() == 1;
        ASSERT_FALSE(running && paused);
        ASSERT_EQ(form.chkPause.Enabled(), running || paused) << "event " << event;
        ASSERT_EQ(form.cboDotSize.Enabled(), !form.chkPause.Enabled()) << "event " << event;
        if (running || paused) {
            ASSERT_TRUE(form.world().hasWorld()) << "the timer never runs without a world";
        }
        if (form.world().hasWorld()) {
            ASSERT_GE(form.world().antX(), 1);
            ASSERT_LE(form.world().antX(), form.world().gridWidth());
            ASSERT_GE(form.world().antY(), 1);
            ASSERT_LE(form.world().antY(), form.world().gridHeight());
            const auto shares = form.world().ColorShares();
            ASSERT_GE(shares.colorOne, 0);
            ASSERT_LE(shares.colorOne, 100);
        }
        ASSERT_GE(form.picDest.Width(), 4 + 1);
        ASSERT_GE(form.picDest.ScaleWidth(), 1);
    }
}

} // namespace
