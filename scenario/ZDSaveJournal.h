#pragma once

#include <string>
#include <vector>

#include "scenario/ZDFileSet.h"

// Writes a set of files into one folder all or nothing across the files, every file through
// the safe writer (HFileWriter), so that a kill at any moment leaves what the next open reads
// as entirely the old or entirely the new files.
//
// One file alone needs nothing more: the safe writer replaces it in one step. Several go
// through a journal: the whole set is first written (safely) as the file FILE_NAME beside
// them; from the moment that file exists the save counts as done. Then every file is written,
// the files to remove are removed last, and the journal goes. A kill before the journal
// exists leaves the old files (and perhaps a temporary); a kill after it leaves the journal,
// and finish(), which every open runs first, completes the save from it. A failure reported
// while the files are written (a read-only file, a full disk) puts back what was already
// written, so that the caller can report the save as not done and lose nothing.
class ZDSaveJournal {
public:
    static const char* const FILE_NAME;     // "Save.journal"
    static const char* const DAMAGED_NAME;  // where a journal that cannot be read is set aside

    enum Outcome {
        NOTHING,       // no journal: no save was interrupted
        FINISHED,      // an interrupted save was completed
        NOT_FINISHED,  // an interrupted save could not be completed; its journal stays
        DAMAGED,       // the journal was not whole (altered by hand?) and was set aside
    };

    // Writes the set into folder (made if missing, one level). True when every file holds its
    // new bytes and every removed file is gone; false when anything failed, and then the files
    // are as before: as they were, or, when not even putting them back worked, the journal
    // waits for the next open to complete the save.
    static bool commit(const std::string& folder, const ZDFileSet& set);
    // What an open runs before it reads a scenario whose AreaData file is areaDataName in
    // folder: completes an interrupted save, then removes the temporaries that writers of the
    // scenario's files left behind (of the AreaData file, the maps, the journal).
    static Outcome finish(const std::string& folder, const std::string& areaDataName);

private:
    struct Previous {
        std::string name;
        bool existed;
        std::string bytes;
    };

    static bool apply(const std::string& folder, const ZDFileSet& set, std::vector<Previous>* done);
    static void rollBack(const std::string& folder, const std::vector<Previous>& done);
    static void removeTemporaries(const std::string& folder, const std::vector<std::string>& bases);
};
