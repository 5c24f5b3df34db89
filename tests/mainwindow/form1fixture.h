#pragma once

#include "antworld.h"
#include "form1.h"
#include "form1design.h"
#include "palette.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace testing_form1 {

using platform::ColorValue;
using platform::RGB;

inline constexpr ColorValue SpringGreen = RGB(68, 255, 175);
inline constexpr ColorValue Purple = RGB(139, 0, 174);

enum class RunState { Idle, Running, Paused, Stopped };

// A shown main window, as the program starts it.
class Form1Test : public ::testing::Test {
protected:
    mainwindow::Form1 form;

    void SetUp() override
    {
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form.widget()));
    }

    QWindow* window() { return form.widget().windowHandle(); }

    // A user's click on a button, at the button's centre.
    void Click(platform::WindowedControl& control) { QTest::mouseClick(&control.widget(), Qt::LeftButton); }

    // A user's pick of a list item, as the drop-down reports it.
    void Pick(platform::ComboBox& combo, const std::string& item)
    {
        auto& qt = static_cast<QComboBox&>(combo.widget());
        const int index = qt.findText(QString::fromStdString(item));
        ASSERT_GE(index, 0) << item;
        ASSERT_TRUE(qt.isEnabled()) << "a disabled list takes no picks";
        {
            const QSignalBlocker blocker(&qt);
            qt.setCurrentIndex(index);
        }
        emit qt.activated(index);
    }

    // The window's interior made width by height pixels.
    void ResizeTo(int width, int height)
    {
        form.widget().resize(width, height);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.ScaleWidth() == width && form.ScaleHeight() == height; }, 2000));
        QCoreApplication::processEvents();
    }

    void ExpectState(RunState state)
    {
        const bool running = state == RunState::Running;
        const bool paused = state == RunState::Paused;
        const bool idle = state == RunState::Idle;
        EXPECT_EQ(form.Timer.Enabled(), running);
        EXPECT_EQ(form.chkPause.Value(), paused ? 1 : 0);
        EXPECT_EQ(form.chkPause.Enabled(), running || paused);
        EXPECT_EQ(form.cboDotSize.Enabled(), !(running || paused));
        EXPECT_EQ(form.world().hasWorld(), !idle);
        const platform::Control* always[] = {&form.cmdStart, &form.cmdStop, &form.cmdClear, &form.cboSteps,
                                             &form.cboInterval, &form.cpOne, &form.cpTwo};
        for (const platform::Control* control : always)
            EXPECT_TRUE(control->Enabled()) << control->Name();
    }

    // The window pixel that shows palette cell (column, row) of a picker of the design, which shows
    // its palette at one pixel a cell inside a one-pixel border.
    static QPoint PaletteCell(const platform::Design& picker, int column, int row)
    {
        return {picker.left / platform::TwipsPerPixel + 1 + column, picker.top / platform::TwipsPerPixel + 1 + row};
    }

    // Three cycles of 10000 steps at a dot size, on a drawing area 455 by 335 inside, in a run whose
    // next cycle is half a minute away; returns the same world run by the simulation alone.
    sim::AntWorld RunThreeCycles(int dotSize);

    // Colour of a pixel of the drawing area's image, and of its rendering on screen.
    ColorValue Drawn(int x, int y) { return form.picDest.Point(static_cast<float>(x), static_cast<float>(y)); }
    QImage Screen() { return form.picDest.widget().grab().toImage(); }
};

// Plays the user of the dialogs that a command opens: types `path` into a file dialog (cancels it
// when `path` is empty), says Yes to replacing a file and OK to a message, and keeps what the file
// dialog proposed and what the messages said.
class DialogUser {
public:
    explicit DialogUser(QString path) : state_(std::make_shared<State>())
    {
        state_->path = std::move(path);
        Poll(state_);
    }
    ~DialogUser() { state_->stopped = true; }
    QString proposed() const { return state_->proposed; }
    QStringList messages() const { return state_->messages; }

private:
    struct State {
        QString path, proposed;
        QStringList messages;
        bool stopped = false;
    };
    static void Poll(const std::shared_ptr<State>& state)
    {
        QTimer::singleShot(10, [state] {
            if (state->stopped)
                return;
            Poll(state); // first: an answer below may wait for the next dialog
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* files = qobject_cast<QFileDialog*>(modal); files && files->isVisible() && files->result() == 0) {
                state->proposed = files->selectedFiles().value(0);
                files->setResult(-1); // answered
                if (state->path.isEmpty()) {
                    files->reject();
                } else {
                    files->findChild<QLineEdit*>("fileNameEdit")->setText(state->path); // typed in
                    static_cast<QDialog*>(files)->accept(); // as its Save button does
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible()) {
                state->messages << box->text();
                (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok))->click();
            }
        });
    }
    std::shared_ptr<State> state_;
};

// The same world run by the simulation library alone.
inline sim::AntWorld Reference(const mainwindow::Form1& form, long steps)
{
    sim::AntWorld world;
    world.setDotSize(form.dotSize());
    world.ResetWorld(form.picDest.ScaleWidth(), form.picDest.ScaleHeight());
    for (long i = 0; i < steps; ++i)
        world.StepAnt([](int, int, int) {});
    return world;
}

inline sim::AntWorld Form1Test::RunThreeCycles(int dotSize)
{
    ResizeTo(457, 24 + 337);
    Pick(form.cboDotSize, std::to_string(dotSize));
    Pick(form.cboSteps, "10000");
    Pick(form.cboInterval, "30000"); // the cycles below are the only ones, however slow the machine
    Click(form.cmdStart);
    for (int cycle = 0; cycle < 3; ++cycle)
        form.Timer_Timer();
    return Reference(form, 30000);
}

} // namespace testing_form1
