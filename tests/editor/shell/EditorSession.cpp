#include "tests/editor/shell/EditorSession.h"

#include <algorithm>
#include <filesystem>

#include "editor/model/BMData.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMWindow.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/MessagePump.h"

namespace fs = std::filesystem;

EditorSession::EditorSession()
{
    fs::create_directories("game");
    for (const char* name : {"Default", "Islands", "Northland", "Music"}) {
        fs::copy(fs::path(GameDirectory::sampleGame()) / name, fs::path("game") / name,
                 fs::copy_options::recursive);
    }
    m_game.reset(new GameDirectory(m_folder.path() + "\\game"));
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
