#pragma once

#include <string>

#include "framework/base/HFile.h"

class BMData;
class BMRecovery;
class HComponent;

// How the editor saves and what an open does first, with the questions and messages that go
// with them. Saving works out what changed (ZDScenarioSave); a file another program changed
// or removed since it was read is overwritten only after the question "<file> は開いた後に
// 他のプログラムで変更されています。上書きしますか？", and No to any of them skips the save with
// nothing written; then the changed files are written all or nothing (ZDSaveJournal) and the
// recovery copy of the edits goes.
class BMSaver {
public:
    enum Result { SAVED, DECLINED, FAILED };

    // recovery: the keeper of the recovery copy that a save makes old; nullptr for none. Not
    // owned.
    explicit BMSaver(BMRecovery* recovery) : m_recovery(recovery) {}

    // Saves data to its AreaData file; the caption names the operation in the questions, whose
    // boxes stand over window.
    Result save(HComponent* window, BMData* data, const std::string& caption) const;
    // Before the scenario folder is read: completes a save that a kill interrupted, and tells
    // the user so. False when it could not be completed: the scenario must not be read then,
    // since its files may be half old and half new; the user has been told.
    static bool finishInterruptedSave(HComponent* window, const HFile& folder, const std::string& caption);

private:
    BMRecovery* m_recovery;
};
