#include "tests/editor/shell/EditorSession.h"

#include <algorithm>
#include <filesystem>

#include "editor/model/BMData.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMWindow.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/MessagePump.h"

#include <commctrl.h>  // after the platform header

namespace fs = std::filesystem;

EditorSession::EditorSession()
{
    fs::create_directories("game");
    for (const char* name : {"Default", "Islands", "Northland", "Music"}) {
        fs::copy(fs::path(GameDirectory::sampleGame()) / name, fs::path("game") / name,
                 fs::copy_options::recursive);
    }
    m_game.reset(new GameDirectory(m_folder.path() + "\\game"));
    // Recovery copies go into the test's folder, not the user's.
    char previous[MAX_PATH] = {};
    if (GetEnvironmentVariableA("LOCALAPPDATA", previous, sizeof(previous)) < sizeof(previous)) {
        m_localAppData = previous;
    }
    SetEnvironmentVariableA("LOCALAPPDATA", appData().c_str());
    m_window.reset(new BMWindow());
    m_window->create();
    ShowWindow(handle(), SW_SHOWNORMAL);
    UpdateWindow(handle());
}

EditorSession::~EditorSession()
{
    m_window->dispose();
    m_window.reset();
    BMData::deleteInstance();
    MessagePump::drain();
    SetEnvironmentVariableA("LOCALAPPDATA", m_localAppData.empty() ? nullptr : m_localAppData.c_str());
}

std::string EditorSession::appData() const
{
    return m_folder.path() + "\\appdata";
}

HWND EditorSession::handle() const
{
    return m_window->getHandle();
}

BMData* EditorSession::data() const
{
    return BMData::getInstance(false);
}

BMDisplay* EditorSession::display() const
{
    return m_window->getDisplay();
}

void EditorSession::command(uint32_t id)
{
    SendMessageA(handle(), WM_COMMAND, id, 0);
}

bool EditorSession::open(const std::string& name)
{
    return BMOperations::openScenario(m_window.get(), HFile(scenario(name)), "OP2500",
                                      "シナリオを開く");
}

std::string EditorSession::openFolder() const
{
    return data() != nullptr ? data()->getScenarioDirectory().getPath() : "";
}

std::string EditorSession::title() const
{
    char text[512] = {};
    GetWindowTextA(handle(), text, sizeof(text));
    return text;
}

std::string EditorSession::status(int part) const
{
    char text[512] = {};
    SendMessageA(m_window->findById(kComponentStatusBar)->getHandle(), SB_GETTEXTA, part,
                 reinterpret_cast<LPARAM>(text));
    return text;
}

std::string EditorSession::scenario(const std::string& name) const
{
    return m_folder.path() + "\\game\\" + name;
}

std::vector<std::pair<std::string, std::string>> EditorSession::snapshot()
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator("game")) {
        if (entry.is_regular_file()) {
            std::string name = entry.path().string();
            files.emplace_back(name, TestFolder::read(name));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct BoxAnswers::Answerer {
    DialogAnswerer dialogs;
    explicit Answerer(std::function<bool(HWND)> answer) : dialogs(std::move(answer)) {}
};

BoxAnswers::BoxAnswers(int button)
{
    m_answerer.reset(new Answerer([this, button](HWND dialog) {
        // A box stays on screen until it has read the button press.
        if (!m_answered.insert(dialog).second) {
            return false;
        }
        HWND text = GetDlgItem(dialog, 0xFFFF);  // the text of a message box
        m_boxes.push_back({DialogAnswerer::textOf(dialog),
                           text != nullptr ? DialogAnswerer::textOf(text) : ""});
        // A dialog without the button (the folder and file dialogs, an OK box) is cancelled.
        DialogAnswerer::press(dialog, GetDlgItem(dialog, button) != nullptr ? button : IDCANCEL);
        return false;
    }));
}

BoxAnswers::~BoxAnswers() = default;
