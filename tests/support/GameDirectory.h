#pragma once

#include <string>

// Points the game's install directory (the registry value "Directory" of
// HKEY_LOCAL_MACHINE\SOFTWARE\Kest\Molva in the test's Wine prefix) at a folder for the
// length of a test and puts the previous value back afterwards. Tests using it share that one
// value: their ctest entries take the resource lock "game_directory".
class GameDirectory {
public:
    // An empty folder removes the value, as on a machine without the game.
    explicit GameDirectory(const std::string& folder);
    ~GameDirectory();
    GameDirectory(const GameDirectory&) = delete;
    GameDirectory& operator=(const GameDirectory&) = delete;

    // The sample game the build wrote, as a Windows path.
    static std::string sampleGame();

private:
    std::string m_previous;  // empty where there was no value
};
