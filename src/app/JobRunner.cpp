#include "app/JobRunner.h"

#include <mutex>

// One job: its functions, its thread, and what the two threads share. The
// job's thread leaves its progress and its end under the mutex, where the
// window's thread finds them; after the end, joining the thread makes
// everything the job wrote visible there.
struct JobRunner::Job final : JobControl
{
    std::function<void(JobControl &)> work;
    std::function<void(const JobEnd &)> finish;
    std::thread thread;
    std::atomic<bool> stop{false};
    std::exception_ptr failure;

    std::mutex mutex;
    qint64 value = 0;
    qint64 maximum = 0;
    QString message;
    bool progressWaiting = false;
    bool ended = false;

    bool stopRequested() const override { return stop.load(std::memory_order_relaxed); }
    void setProgress(qint64 newValue, qint64 newMaximum, const QString &newMessage) override;
    void run();
};

void JobRunner::Job::setProgress(qint64 newValue, qint64 newMaximum, const QString &newMessage)
{
    std::lock_guard lock(mutex);
    value = newValue;
    maximum = newMaximum;
    message = newMessage;
    progressWaiting = true;
}

void JobRunner::Job::run()
{
    try {
        work(*this);
    } catch (...) {
        failure = std::current_exception();
    }
    std::lock_guard lock(mutex);
    ended = true;
}

JobRunner::JobRunner(QObject *parent)
    : QObject(parent)
{
    m_lookTimer.setInterval(LookInterval);
    connect(&m_lookTimer, &QTimer::timeout, this, &JobRunner::look);
}

JobRunner::~JobRunner()
{
    if (m_job) {
        m_job->stop = true;
        m_job->thread.join();
    }
}

bool JobRunner::startErased(std::function<void(JobControl &)> work, std::function<void(const JobEnd &)> finish)
{
    if (m_job)
        return false;
    m_job = std::make_shared<Job>();
    m_job->work = std::move(work);
    m_job->finish = std::move(finish);
    m_job->thread = std::thread(&Job::run, m_job.get());
    m_lookTimer.start();
    emit runningChanged(true);
    return true;
}

void JobRunner::requestStop()
{
    if (m_job)
        m_job->stop = true;
}

void JobRunner::stopAndWait()
{
    if (!m_job)
        return;
    m_job->stop = true;
    finish();
}

void JobRunner::look()
{
    if (!m_job)
        return;
    bool ended = false;
    bool progressed = false;
    qint64 value = 0;
    qint64 maximum = 0;
    QString message;
    {
        std::lock_guard lock(m_job->mutex);
        ended = m_job->ended;
        progressed = m_job->progressWaiting;
        value = m_job->value;
        maximum = m_job->maximum;
        message = m_job->message;
        m_job->progressWaiting = false;
    }
    if (progressed)
        emit progressChanged(value, maximum, message);
    // What follows the progress may have ended the job already (closing).
    if (ended && m_job)
        finish();
}

void JobRunner::finish()
{
    const std::shared_ptr<Job> job = std::move(m_job);
    m_lookTimer.stop();
    job->thread.join();
    JobEnd end;
    if (job->stop)
        end.kind = JobEnd::Stopped;
    else if (job->failure)
        end = {JobEnd::Failed, job->failure};
    job->finish(end);
    if (!m_job)
        emit runningChanged(false);
}
