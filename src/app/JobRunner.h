#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

// What a running job sees of its runner: whether 中止 was pressed, and where
// to leave its progress. The job's thread may call both as often as it
// likes; the window hears of the latest progress once per turn of its loop.
class JobControl
{
public:
    virtual ~JobControl() = default;
    virtual bool stopRequested() const = 0;
    virtual void setProgress(qint64 value, qint64 maximum, const QString &message = {}) = 0;
};

// How a job ended: it ran to its end, it stopped because 中止 was pressed
// (whatever it returned is not used), or it threw.
struct JobEnd
{
    enum Kind { Finished, Stopped, Failed };
    Kind kind = Finished;
    std::exception_ptr failure;
};

// Runs one long piece of work at a time beside the window: the work is a
// function of what it was given, runs on a thread of its own and must not
// touch the window or the program's shared state; its result is handed to
// `apply` on the window's thread, in one step, when it ends. The window's
// thread looks at the job at the pace of a screen (LookInterval), so that the
// job's thread never calls into Qt: what passes through Qt's event queue
// crosses a lock ThreadSanitizer cannot see, and the runner is tested under
// it. While a job runs the window's loop goes on, so the window repaints and
// its commands stay answerable; those that touch what the job works on follow
// `runningChanged`.
class JobRunner : public QObject
{
    Q_OBJECT

public:
    static constexpr int LookInterval = 15; // ms

    explicit JobRunner(QObject *parent = nullptr);
    // Stops a running job and waits for its thread: nothing outlives the runner.
    ~JobRunner() override;

    // Starts work(control) unless a job runs already (then false and nothing
    // is started). apply(end, result) follows on this object's thread; the
    // result is the work's own when it finished, else Result{}.
    template<typename Result>
    bool start(std::function<Result(JobControl &)> work, std::function<void(const JobEnd &, Result)> apply)
    {
        auto result = std::make_shared<std::optional<Result>>();
        return startErased([work = std::move(work), result](JobControl &control) { *result = work(control); },
                           [apply = std::move(apply), result](const JobEnd &end) {
                               apply(end, end.kind == JobEnd::Finished && *result ? std::move(**result) : Result{});
                           });
    }

    bool isRunning() const { return m_job != nullptr; }
    // 中止: the job sees it at its next check and its end is Stopped.
    void requestStop();
    // Closing: asks the running job to stop, waits for its thread and applies
    // its end at once (Stopped). Nothing when no job runs.
    void stopAndWait();

Q_SIGNALS:
    void runningChanged(bool running);
    void progressChanged(qint64 value, qint64 maximum, const QString &message);

private:
    struct Job;

    bool startErased(std::function<void(JobControl &)> work, std::function<void(const JobEnd &)> finish);
    void look();
    void finish();

    std::shared_ptr<Job> m_job;
    QTimer m_lookTimer;
};
