#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "scenario/ZDFileSet.h"
#include "scenario/ZDRecoveryCopy.h"

// Writes recovery copies on a thread of its own, so that the edit during which a copy falls
// due never waits for the disk: write() only hands the files over. One copy is written at a
// time; one handed over while another is written waits, and a newer one replaces it. The
// thread starts with the first copy and ends with the object, after the copy it is writing.
class ZDRecoveryWriter {
public:
    ZDRecoveryWriter() = default;
    ~ZDRecoveryWriter();
    ZDRecoveryWriter(const ZDRecoveryWriter&) = delete;
    ZDRecoveryWriter& operator=(const ZDRecoveryWriter&) = delete;

    // Returns at once; the copy is written as soon as the thread is free.
    void write(const ZDRecoveryCopy& copy, ZDFileSet files, const std::string& time);
    // Drops a copy still waiting, waits for the one being written, then removes the copy's
    // file; so that no copy written earlier outlives the removal. True when none is left.
    bool remove(const ZDRecoveryCopy& copy);
    // Waits until nothing waits or is written.
    void wait();

    // Copies written, and failures, since the start.
    int getWritten() const;
    int getFailed() const;

private:
    struct Job {
        ZDRecoveryCopy copy;
        ZDFileSet files;
        std::string time;
    };

    void run();

    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    std::unique_ptr<Job> m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
    int m_written = 0;
    int m_failed = 0;
    std::thread m_thread;
};
