#include "backgroundtask.h"

#include "form.h"
#include "translations.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QTimer>

#include <exception>
#include <new>

namespace platform {

namespace {
constexpr int ShowAfterMs = 500;
constexpr int PollMs = 50;
constexpr int Steps = 1000;
} // namespace

BackgroundTask::BackgroundTask(Form& owner) : owner_(owner) {}

BackgroundTask::~BackgroundTask()
{
    if (progress_)
        progress_->cancelled_ = true;
    if (thread_.joinable())
        thread_.join();
    delete dialog_.data(); // with its poll timer: neither may call on this object any more
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
    // The window owns the progress bar and the bar its poll timer, until finish lets them go.
    dialog_ = new QProgressDialog(&owner_.widget());
    QProgressDialog& dialog = *dialog_;
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
    poll_ = new QTimer(dialog_);
    QObject::connect(poll_, &QTimer::timeout, dialog_, [this] {
        if (ended_)
            finish();
        else
            dialog_->setValue(static_cast<int>(progress_->done_.load() * (Steps - 1)));
    });
    poll_->start(PollMs);
    thread_ = std::thread([this, work = std::move(work), progress = progress_] {
        try {
            work(*progress);
        } catch (const std::bad_alloc&) {
            error_ = Tr("BackgroundTask", "There is not enough memory for it.");
        } catch (const std::exception& error) {
            error_ = error.what();
        }
        ended_ = true;
    });
}

void BackgroundTask::finish()
{
    thread_.join();
    // The user's last word: a Cancel comes only through this thread, and none can come after it.
    const bool cancelled = progress_->Cancelled();
    // Called from the poll timer's own signal: the timer and the progress bar go once it has returned.
    poll_->stop();
    dialog_->hide();
    dialog_->deleteLater();
    dialog_ = nullptr;
    poll_ = nullptr;
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
