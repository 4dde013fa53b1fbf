// The area panel's music line: the current area's music plays through the window's player,
// a second click, another map, another scenario or exit stops it, and the status bar says what
// plays or why nothing does.
#include "editor/shell/BMMusicPreview.h"

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/base/HWin32.h"
#include "framework/midi/HMIDIPlayer.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/RecordingMIDISystem.h"
#include "tests/support/TestFolder.h"

namespace {

// The recording output outlives the window, whose player stops through it when it goes.
struct MusicSession {
    RecordingMIDISystem midi{RecordingMIDISystem::HAND_TIMER};
    EditorSession editor;

    MusicSession() { EXPECT_TRUE(editor.open("Default")); }
    HMIDIPlayer& player()
    {
        return *dynamic_cast<HMIDIPlayer*>(editor.window().findById(BMWindow::ID_PLAYER));
    }
    // A left press where the area panel shows its music line.
    void clickMusicLine()
    {
        BMPoint view = editor.display()->getLayout().getViewSize();
        BMPoint panel = panelOrigin(PANEL_AREA_INFO, view.x, view.y);
        editor.display()->pressLeft(panel.x + 20, panel.y + 64);
    }
    // Playing: the output open, its first notes out and the next wait armed.
    bool plays()
    {
        RecordingMIDISystem::Record r = midi.record();
        return player().isPlaying() && r.opened == r.closed + 1 && !r.waiting.empty();
    }
    // Stopped: every note switched off and the output closed as often as it was opened.
    bool stopped()
    {
        RecordingMIDISystem::Record r = midi.record();
        return !player().isPlaying() && r.opened > 0 && r.opened == r.closed && r.waiting.empty()
               && r.periods == 0 && r.sent.size() >= 2048
               && (r.sent.back().second & 0xFFFF) == (0x8F | 127 << 8);
    }
};

}  // namespace

TEST(MusicPreview, TheMusicLinePlaysTheAreasMusicAndTheSecondClickStopsIt)
{
    MusicSession session;
    std::string music = session.editor.scenario("Default");
    music = music.substr(0, music.rfind('\\')) + "\\Music\\yama.mid";  // area 1 of Default
    session.clickMusicLine();
    ASSERT_TRUE(session.plays());
    EXPECT_EQ(session.player().getPath(), music);
    EXPECT_EQ(session.editor.status(), "再生中: yama.mid (" + music + ")");
    session.midi.fire(false);  // the volumes and the first notes go out
    EXPECT_GT(session.midi.record().sent.size(), 16u);

    session.clickMusicLine();
    EXPECT_TRUE(session.stopped());
    EXPECT_EQ(session.editor.status(), "停止: yama.mid");
    session.editor.command(kCommandPlayMusic);  // and once more: it plays again from the beginning
    EXPECT_TRUE(session.plays());
    EXPECT_EQ(session.midi.record().opened, 2);
}

TEST(MusicPreview, AnotherMapAnotherScenarioAndExitStopTheMusicOtherChangesDoNot)
{
    struct Case {
        const char* what;
        std::function<void(EditorSession&)> act;
        bool stops;
    };
    const Case cases[] = {
        {"the next map", [](EditorSession& e) { e.command(kCommandNextMap); }, true},
        {"the last map", [](EditorSession& e) { e.command(kCommandLastMap); }, true},
        {"another scenario", [](EditorSession& e) { e.open("Islands"); }, true},
        {"exit", [](EditorSession& e) { e.command(kCommandExit); }, true},
        {"the first map, already shown", [](EditorSession& e) { e.command(kCommandFirstMap); }, false},
        {"an edit and its undo", [](EditorSession& e) { e.command(kCommandSet); e.command(kCommandUndo); }, false},
        {"reading the same scenario again", [](EditorSession& e) { e.command(kCommandReload); }, false},
        {"exit, cancelled", [](EditorSession& e) {
             e.command(kCommandSet);
             BoxAnswers cancel(IDCANCEL);
             e.command(kCommandExit);
         }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MusicSession session;
        session.editor.command(kCommandPlayMusic);
        ASSERT_TRUE(session.plays());
        c.act(session.editor);
        EXPECT_EQ(session.stopped(), c.stops);
        EXPECT_EQ(session.plays(), !c.stops);
    }
}

TEST(MusicPreview, TheStatusBarSaysWhatPlaysOrWhyNothingDoes)
{
    struct Case {
        const char* what;
        const char* music;
        const char* file;        // written into the scenario first, when given
        uint32_t openResult;
        const char* status;      // the file found stands for %s
        const char* box;         // "" for none
    };
    const Case cases[] = {
        {"the install directory's music", "umi.mid", nullptr, 0, "再生中: umi.mid (%s)", ""},
        {"the scenario's own before the install directory's", "umi.mid", "Sound\\umi.mid", 0,
         "再生中: umi.mid (%s)", ""},
        {"a missing file", "nothing.mid", nullptr, 0, "曲ファイルが見つかりません: nothing.mid", ""},
        {"a name leaving the game", "..\\..\\umi.mid", nullptr, 0,
         "曲ファイルが見つかりません: ..\\..\\umi.mid", ""},
        {"no music", "", nullptr, 0, "このエリアには曲が設定されていません", ""},
        {"no MIDI device", "umi.mid", nullptr, 6, "再生できませんでした: umi.mid",
         "MIDIファイル再生:再生に失敗しました。"},
        {"a file that is no MIDI file", "broken.mid", "broken.mid", 0,
         "再生できませんでした: broken.mid", "MIDIファイル再生:ファイルの解読に失敗しました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MusicSession session;
        std::string found = session.editor.scenario("Default");
        found = found.substr(0, found.rfind('\\')) + "\\Music\\" + c.music;
        if (c.file != nullptr) {
            // A copy of the install directory's piece of the name, or bytes that are no song.
            std::string bytes = TestFolder::read(found);
            found = session.editor.scenario("Default") + "\\" + c.file;
            TestFolder::makeFolder(found.substr(0, found.rfind('\\')));
            TestFolder::write(found, bytes.empty() ? "RIFF, not a song" : bytes);
        }
        session.editor.data()->getArea(0)->setMusic(c.music);
        session.midi.openResult = c.openResult;
        {
            BoxAnswers ok(IDOK);
            session.editor.command(kCommandPlayMusic);
            std::string shown = ok.boxes().empty() ? "" : ok.boxes()[0].caption + ":" + ok.boxes()[0].text;
            EXPECT_EQ(shown, c.box);
        }
        std::string status = c.status;
        size_t mark = status.find("%s");
        if (mark != std::string::npos) {
            status.replace(mark, 2, found);
            EXPECT_EQ(session.player().getPath(), found);
        }
        EXPECT_EQ(session.editor.status(), status);
        bool playing = mark != std::string::npos;
        EXPECT_EQ(session.player().isPlaying(), playing);
        EXPECT_EQ(session.midi.record().waiting.size(), playing ? 1u : 0u);
    }
}
