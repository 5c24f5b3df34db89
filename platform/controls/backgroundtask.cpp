#include "backgroundtask.h"

#include "form.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QTimer>

#include <exception>

namespace platform {

namespace {
constexpr int ShowAfterMs = 500;
constexpr int PollMs = 50;
constexpr int Steps = 1000;
} // namespace

struct BackgroundTask::Shown {
    QProgressDialog dialog;
    QTimer poll;
    explicit Shown(QWidget* owner) : dialog(owner) {}
};

BackgroundTask::BackgroundTask(Form& owner) : owner_(owner) {}

BackgroundTask::~BackgroundTask()
{
    if (progress_)
        progress_->cancelled_ = true;
    if (thread_.joinable())
        thread_.join();
}

void BackgroundTask::Start(const std::string& label, std::function<void(TaskProgress&)> work,
                           std::function<void(const std::string&)> done)
{
    if (Busy())
        return;
    progress_ = std::make_shared<TaskProgress>();
    done_ = std::move(done);
    error_.clear();
    ended_ = false;
    shown_ = std::make_unique<Shown>(&owner_.widget());
    QProgressDialog& dialog = shown_->dialog;
    dialog.setWindowTitle(QString::fromStdString(label));
    dialog.setLabelText(QString::fromStdString(label));
    dialog.setRange(0, Steps);
    dialog.setMinimumDuration(ShowAfterMs);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setValue(0);
    QObject::connect(&dialog, &QProgressDialog::canceled, [progress = progress_] { progress->cancelled_ = true; });
    // The window's thread looks in on the task: the progress bar follows, and the end is taken up
    // there, so that done runs between the window's own handlers.
    QObject::connect(&shown_->poll, &QTimer::timeout, [this] {
        if (ended_)
            finish();
        else
            shown_->dialog.setValue(static_cast<int>(progress_->done_.load() * (Steps - 1)));
    });
    shown_->poll.start(PollMs);
    thread_ = std::thread([this, work = std::move(work), progress = progress_] {
        try {
            work(*progress);
        } catch (const std::exception& error) {
            error_ = error.what();
        }
        ended_ = true;
    });
}

void BackgroundTask::finish()
{
    thread_.join();
    const bool cancelled = progress_->Cancelled();
    // Called from the poll timer's own signal: the timer and the progress bar go once it has returned.
    shown_->poll.stop();
    shown_->dialog.hide();
    QTimer::singleShot(0, [shown = std::shared_ptr<Shown>(std::move(shown_))] {});
    auto done = std::move(done_);
    if (!cancelled && done)
        done(error_);
}

void BackgroundTask::Wait()
{
    while (Busy())
        QCoreApplication::processEvents(QEventLoop::AllEvents, PollMs);
}

} // namespace platform
