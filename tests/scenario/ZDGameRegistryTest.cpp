#include <string>

#include <gtest/gtest.h>

#include "framework/base/HWin32.h"
#include "scenario/ZDAreaMapData.h"
#include "tests/support/TestFolder.h"

namespace {

const char* const kKey = "SOFTWARE\\Kest\\Molva";
const char* const kValue = "Directory";

// Sets the install directory's value in one root and view of the registry (an empty text
// removes it) for the length of a test, and puts back what was there.
class RegistryValue {
public:
    RegistryValue(HKEY root, REGSAM view, const std::string& text)
        : m_root(root), m_view(view), m_had(read(&m_previous))
    {
        write(text);
    }
    ~RegistryValue() { write(m_had ? m_previous : std::string()); }
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;

private:
    bool read(std::string* text) const
    {
        char buffer[2048];
        DWORD size = sizeof(buffer);
        HKEY key = nullptr;
        if (RegOpenKeyExA(m_root, kKey, 0, KEY_READ | m_view, &key) != ERROR_SUCCESS) {
            return false;
        }
        bool found = RegQueryValueExA(key, kValue, nullptr, nullptr,
                                      reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        if (found) {
            text->assign(buffer, size > 0 && buffer[size - 1] == '\0' ? size - 1 : size);
        }
        return found;
    }
    void write(const std::string& text) const
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(m_root, kKey, 0, nullptr, 0, KEY_ALL_ACCESS | m_view, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        if (text.empty()) {
            RegDeleteValueA(key, kValue);
        } else {
            RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1));
        }
        RegCloseKey(key);
    }

    HKEY m_root;
    REGSAM m_view;
    std::string m_previous;
    bool m_had;
};

// The three registry places hold the given texts ("" for none) while the finder looks.
ZDGameFinder findWith(const std::string& machine64, const std::string& machine32,
                      const std::string& user)
{
    RegistryValue a(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, machine64);
    RegistryValue b(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, machine32);
    RegistryValue c(HKEY_CURRENT_USER, KEY_WOW64_64KEY, user);
    return ZDAreaMapData::findGame();
}

// Each place of the registry is found when it alone names the game, in its own view; a
// place naming a missing folder is passed over for the next.
TEST(GameRegistryTest, EachViewIsFoundAndAMissingFolderSkipped)
{
    TestFolder folder;
    const std::string game64 = folder.path() + "\\game64";
    const std::string game32 = folder.path() + "\\game32";
    const std::string user = folder.path() + "\\ゲーム";  // Shift-JIS, as the registry holds it
    for (const std::string& made : {game64, game32, user}) {
        ASSERT_TRUE(CreateDirectoryA(made.c_str(), nullptr)) << made;
    }
    const std::string missing = folder.path() + "\\missing";
    struct Case {
        std::string texts[3];
        std::string folder;
        ZDGameFinder::Place winner;
    };
    const Case cases[] = {
        {{game64, "", ""}, game64, ZDGameFinder::PLACE_MACHINE_64},
        {{"", game32, ""}, game32, ZDGameFinder::PLACE_MACHINE_32},
        {{"", "", user}, user, ZDGameFinder::PLACE_USER},
        {{game64, game32, user}, game64, ZDGameFinder::PLACE_MACHINE_64},
        {{missing, game32, user}, game32, ZDGameFinder::PLACE_MACHINE_32},
        {{missing, missing, user}, user, ZDGameFinder::PLACE_USER},
        {{missing, "", ""}, "", ZDGameFinder::PLACE_COUNT},
    };
    for (const Case& c : cases) {
        ZDGameFinder finder = findWith(c.texts[0], c.texts[1], c.texts[2]);
        EXPECT_EQ(finder.getFolder(), c.folder) << c.texts[0] << "|" << c.texts[1];
        EXPECT_EQ(finder.getWinner(), c.winner) << c.folder;
        // The views are apart: what one holds the other does not show.
        EXPECT_EQ(finder.getText(ZDGameFinder::PLACE_MACHINE_32), c.texts[1]);
    }
    // The folder the user chose comes after every registry place.
    ZDAreaMapData::setChosenGameDirectory(user);
    EXPECT_EQ(findWith(missing, "", "").getFolder(), user);
    EXPECT_EQ(findWith("", game32, "").getFolder(), game32);
    ZDAreaMapData::setChosenGameDirectory("");
}

}  // namespace
