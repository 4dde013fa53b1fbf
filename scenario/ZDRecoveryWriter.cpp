#include "scenario/ZDRecoveryWriter.h"

#include <utility>

ZDRecoveryWriter::~ZDRecoveryWriter()
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_stopping = true;
        m_waiting.reset();
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ZDRecoveryWriter::write(const ZDRecoveryCopy& copy, ZDFileSet files, const std::string& time)
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_waiting.reset(new Job{copy, std::move(files), time});
        if (!m_thread.joinable()) {
            m_thread = std::thread(&ZDRecoveryWriter::run, this);
        }
    }
    m_changed.notify_all();
}

bool ZDRecoveryWriter::remove(const ZDRecoveryCopy& copy)
{
    {
        std::unique_lock<std::mutex> guard(m_lock);
        m_waiting.reset();
        m_changed.wait(guard, [this] { return !m_busy; });
    }
    return copy.remove();
}

void ZDRecoveryWriter::wait()
{
    std::unique_lock<std::mutex> guard(m_lock);
    m_changed.wait(guard, [this] { return !m_busy && m_waiting == nullptr; });
}

int ZDRecoveryWriter::getWritten() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_written;
}

int ZDRecoveryWriter::getFailed() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_failed;
}

void ZDRecoveryWriter::run()
{
    std::unique_lock<std::mutex> guard(m_lock);
    for (;;) {
        m_changed.wait(guard, [this] { return m_stopping || m_waiting != nullptr; });
        if (m_stopping) {
            return;
        }
        std::unique_ptr<Job> job = std::move(m_waiting);
        m_busy = true;
        guard.unlock();
        bool ok = job->copy.write(job->files, job->time);
        guard.lock();
        m_busy = false;
        ++(ok ? m_written : m_failed);
        m_changed.notify_all();
    }
}
