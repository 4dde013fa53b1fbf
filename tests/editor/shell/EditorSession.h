#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/view/BMCommandId.h"
#include "framework/base/HWin32.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/TestFolder.h"

class BMData;
class BMDisplay;
class BMWindow;

// The editor's main window on a copy of the sample game: a new folder (current for the test)
// holding game\Default, game\Islands, game\Northland and game\Music, made the game's install
// directory, and a BMWindow created and shown on it (no message loop: tests send messages
// themselves).
class EditorSession {
public:
    EditorSession();
    ~EditorSession();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    BMWindow& window() { return *m_window; }
    HWND handle() const;
    BMData* data() const;
    BMDisplay* display() const;
    // A command as a menu or an accelerator sends it.
    void command(uint32_t id);
    // Opens game\<name> the way the File menu's scenario items do.
    bool open(const std::string& name);
    // The open scenario's folder; empty while none is open.
    std::string openFolder() const;
    // The window's title, and the text of a part of its status bar (0: the cursor position or
    // the last message, 1: the zoom).
    std::string title() const;
    std::string status(int part = 0) const;

    // The copy's folder of a scenario, as the system writes paths.
    std::string scenario(const std::string& name) const;
    // The user's local application data folder while the session lives (in the test's folder).
    std::string appData() const;
    // Every file below the game folder with its bytes, sorted by name.
    static std::vector<std::pair<std::string, std::string>> snapshot();

private:
    TestFolder m_folder;
    std::unique_ptr<GameDirectory> m_game;
    std::unique_ptr<BMWindow> m_window;
    std::string m_localAppData;  // the value before the session; empty when there was none
};

// A test with game\Default open in the session.
class DefaultScenarioTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(editor.open("Default")); }

    EditorSession editor;
};

// Answers every message box and dialog that opens while it lives by pressing one button (or
// Cancel where there is no such button), and keeps what each box said.
class BoxAnswers {
public:
    explicit BoxAnswers(int button);
    ~BoxAnswers();
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;

    struct Box {
        std::string caption;
        std::string text;
    };
    const std::vector<Box>& boxes() const { return m_boxes; }

private:
    std::vector<Box> m_boxes;
    std::set<HWND> m_answered;
    struct Answerer;
    std::unique_ptr<Answerer> m_answerer;
};
