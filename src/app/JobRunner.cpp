#include "app/JobRunner.h"

#include <QMetaObject>

#include <mutex>

// One job: its functions, its thread, and what the two threads share. The
// job's thread leaves its progress under the mutex; its end reaches the
// window's thread by a queued call, after which joining the thread makes
// everything the job wrote visible there.
struct JobRunner::Job final : JobControl
{
    JobRunner *runner = nullptr;
    quint64 id = 0;
    std::function<void(JobControl &)> work;
    std::function<void(const JobEnd &)> finish;
    std::thread thread;
    std::atomic<bool> stop{false};
    std::exception_ptr failure;

    std::mutex mutex;
    qint64 value = 0;
    qint64 maximum = 0;
    QString message;
    bool progressPosted = false;

    bool stopRequested() const override { return stop.load(std::memory_order_relaxed); }
    void setProgress(qint64 newValue, qint64 newMaximum, const QString &newMessage) override;
    void post(std::function<void(JobRunner *)> call);
};

void JobRunner::Job::post(std::function<void(JobRunner *)> call)
{
    JobRunner *const target = runner;
    QMetaObject::invokeMethod(target, [target, call = std::move(call)] { call(target); }, Qt::QueuedConnection);
}

void JobRunner::Job::setProgress(qint64 newValue, qint64 newMaximum, const QString &newMessage)
{
    std::lock_guard lock(mutex);
    value = newValue;
    maximum = newMaximum;
    message = newMessage;
    if (progressPosted)
        return;
    progressPosted = true;
    post([id = id](JobRunner *target) { target->deliverProgress(id); });
}

JobRunner::JobRunner(QObject *parent)
    : QObject(parent)
{
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
    auto job = std::make_shared<Job>();
    job->runner = this;
    job->id = ++m_lastId;
    job->work = std::move(work);
    job->finish = std::move(finish);
    m_job = job;
    job->thread = std::thread([raw = job.get()] {
        try {
            raw->work(*raw);
        } catch (...) {
            raw->failure = std::current_exception();
        }
        raw->post([id = raw->id](JobRunner *target) { target->finish(id); });
    });
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
    finish(m_job->id);
}

// Calls queued by a job that has ended since find no job of their id.
void JobRunner::deliverProgress(quint64 id)
{
    if (!m_job || m_job->id != id)
        return;
    Job *const job = m_job.get();
    qint64 value = 0;
    qint64 maximum = 0;
    QString message;
    {
        std::lock_guard lock(job->mutex);
        value = job->value;
        maximum = job->maximum;
        message = job->message;
        job->progressPosted = false;
    }
    emit progressChanged(value, maximum, message);
}

void JobRunner::finish(quint64 id)
{
    if (!m_job || m_job->id != id)
        return;
    const std::shared_ptr<Job> job = m_job;
    job->thread.join();
    m_job.reset();
    JobEnd end;
    if (job->stop)
        end.kind = JobEnd::Stopped;
    else if (job->failure)
        end = {JobEnd::Failed, job->failure};
    job->finish(end);
    if (!m_job)
        emit runningChanged(false);
}
