#include "scenario/ZDRecoverySchedule.h"

bool ZDRecoverySchedule::matches(uint64_t fingerprint, bool none) const
{
    return m_known && m_diskNone == none && (none || m_disk == fingerprint);
}

ZDRecoverySchedule::Action ZDRecoverySchedule::observe(int64_t now, uint64_t fingerprint, bool none)
{
    if (!m_seenAny || m_seenNone != none || m_seen != fingerprint) {
        m_seenAny = true;
        m_seenNone = none;
        m_seen = fingerprint;
        m_changedAt = now;
    }
    if (matches(fingerprint, none)) {
        m_behind = false;
        return NOTHING;
    }
    if (none) {
        settle(fingerprint, true);  // nothing to keep: no reason to wait
        return REMOVE;
    }
    if (!m_behind) {
        m_behind = true;
        m_behindSince = now;
    }
    if (now - m_changedAt >= QUIET_MS || now - m_behindSince >= LONGEST_MS) {
        settle(fingerprint, false);
        return WRITE;
    }
    return NOTHING;
}

void ZDRecoverySchedule::settle(uint64_t fingerprint, bool none)
{
    m_known = true;
    m_diskNone = none;
    m_disk = none ? 0 : fingerprint;
    m_behind = false;
}

void ZDRecoverySchedule::reset()
{
    *this = ZDRecoverySchedule();
}
