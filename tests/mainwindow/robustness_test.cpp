#include "form1fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

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

#ifdef __linux__
// Root writes into any folder; without these powers the folder's own permissions hold for it too.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride()
    {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, reduced);
    }
    ~WithoutPermissionOverride() { syscall(SYS_capset, &header_, saved_); }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

TEST_F(Form1Test, SavesIntoAFolderThatCannotBeWrittenSayWhyAndChangeNothing)
{
    RunThreeCycles(3);
    Click(form.chkPause);
    const QTemporaryDir folder;
    const QString existing = folder.filePath("kept.png");
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("an older picture") > 0);
    }
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    const std::string caption = form.Caption();
    const QImage picture = form.picDest.Image().image();
    QStringList messages;
    {
        const WithoutPermissionOverride user;
        const DialogUser answers(existing);
        QTest::keyClick(window(), Qt::Key_S, Qt::ControlModifier);
        // The run kept as an animation fails the same way, once its file is made.
        form.widget().activateWindow(); // again, after the message
        EXPECT_TRUE(QTest::qWaitForWindowActive(window()));
        QTest::keyClick(window(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        form.saveTask().Wait();
        QTest::qWait(100); // the message opens after the task has ended
        messages = answers.messages();
    }
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(messages.size(), 4) << "for each file, the question to replace it, then the failure";
    for (int i : {1, 3})
        EXPECT_TRUE(messages[i].contains(QDir::toNativeSeparators(existing)) && messages[i].contains("Permission denied"))
            << messages[i].toStdString();
    EXPECT_TRUE(messages[3].startsWith("The animation could not be saved as")) << messages[3].toStdString();
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "an older picture");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).join(' ').toStdString(), "kept.png");
    EXPECT_EQ(form.Caption(), caption);
    EXPECT_EQ(form.picDest.Image().image(), picture);
    ExpectState(RunState::Paused);
}
#endif

} // namespace
