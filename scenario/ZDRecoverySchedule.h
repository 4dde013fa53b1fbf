#pragma once

#include <cstdint>

// When to write the recovery copy. Shown the unsaved changes (by a fingerprint) at every look,
// it asks for a copy once they have stood still for QUIET_MS, or have gone on changing for
// LONGEST_MS since the copy on disk last matched them; and for the copy's removal as soon as
// nothing differs from the files. Times are milliseconds on any steady clock.
class ZDRecoverySchedule {
public:
    static constexpr int64_t QUIET_MS = 2000;
    static constexpr int64_t LONGEST_MS = 30000;

    enum Action { NOTHING, WRITE, REMOVE };

    // One look at the changes: their fingerprint, and whether there are none. After WRITE or
    // REMOVE the schedule takes the copy on disk to match what it was shown.
    Action observe(int64_t now, uint64_t fingerprint, bool none);
    // The copy on disk is now known to match these changes (none: there is no copy).
    void settle(uint64_t fingerprint, bool none);
    // Nothing is known of the copy on disk (another scenario, say).
    void reset();

private:
    bool matches(uint64_t fingerprint, bool none) const;

    bool m_known = false;      // whether the copy on disk is known
    bool m_diskNone = true;    // there is no copy
    uint64_t m_disk = 0;       // the fingerprint the copy holds
    bool m_seenAny = false;
    uint64_t m_seen = 0;       // the fingerprint of the last look
    bool m_seenNone = true;
    int64_t m_changedAt = 0;   // when the changes last changed
    bool m_behind = false;     // the copy on disk does not match
    int64_t m_behindSince = 0;
};
