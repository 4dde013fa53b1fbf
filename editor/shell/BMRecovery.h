#pragma once

#include <cstdint>
#include <string>

#include "editor/shell/BMComponentId.h"
#include "framework/gui/HEventListener.h"
#include "scenario/ZDRecoverySchedule.h"
#include "scenario/ZDRecoveryWriter.h"

class BMData;
class HComponent;

// Keeps a recovery copy of the editor's unsaved edits, so that an editor that does not end
// (a crash, a killed Wine, a power cut) loses no more than the last few seconds. A window
// timer looks at the data every second: what differs from the files goes to the writer's
// thread as the schedule says (a few seconds after the edits stop, at least every 30 seconds
// while they go on), and the copy goes once nothing differs. The edit never waits for the
// disk; a look costs the time to compute the files' bytes. At open, a copy newer than the
// files is offered back.
class BMRecovery : public HEventListener {
public:
    static constexpr UINT_PTR ID = kTimerRecovery;
    static constexpr UINT PERIOD_MS = 1000;

    explicit BMRecovery(HWND window);  // the main window; the timer runs while this lives
    ~BMRecovery() override;

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
    // One look at the editor's data at now (milliseconds of a steady clock).
    void look(int64_t now);
    // Removes the copy of the data's scenario, after a save or when its edits were given up.
    void forget(const BMData* data);
    ZDRecoveryWriter& getWriter() { return m_writer; }

    // At open, with the scenario read and not shown yet: a copy newer than its files asks
    // "前回の編集が保存されていません。復元しますか？" with the copy's time. Yes puts the edits into
    // data as unsaved edits and returns true; No keeps the copy aside (renamed, once). A copy
    // older than the files is set aside without a question. keeper (nullptr for none) is the
    // editor's own recovery copy, which learns that the copy on disk changed.
    static bool offer(HComponent* window, BMRecovery* keeper, BMData* data,
                      const std::string& caption);
    // The folder of every scenario's copy: "Tessel\Recovery" in the user's local application
    // data (LOCALAPPDATA, else the shell's folder of it).
    static std::string root();
    // The full path of the data's AreaData file, which names its copy; empty without one.
    static std::string scenarioOf(const BMData* data);

private:
    HWND m_window;
    std::string m_root;      // empty when the user's folder is unknown: no copies then
    std::string m_scenario;  // whose copy the schedule follows
    ZDRecoverySchedule m_schedule;
    ZDRecoveryWriter m_writer;
};
