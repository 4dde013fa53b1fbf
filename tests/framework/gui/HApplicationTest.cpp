#include "framework/gui/HApplication.h"

#include <gtest/gtest.h>

#include "framework/base/HWin32.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

const char* const kTestKey = "Software\\TesselTest";
const char* const kRootValue = "TesselTestRootValue";

// Keys and values the registry tests read, under HKEY_CURRENT_USER; removed afterwards.
class HApplicationRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
        setString("Software\\TesselTest\\Game\\Install", "Directory", "C:\\Game\\ソフト表", true);
        setString("Software\\TesselTest\\ソフト", "表示", "shift-jis key", true);
        setString("Software\\TesselTest", "Unterminated", "abc", false);
        setString("Software\\TesselTest", "Long", std::string(3000, 'x'), true);
        setString("", kRootValue, "at the root", true);
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
        RegDeleteValueA(HKEY_CURRENT_USER, kRootValue);
    }

    static void setString(const std::string& path, const char* name, const std::string& text,
                          bool terminated)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr), ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + (terminated ? 1 : 0)));
        RegCloseKey(key);
    }
};

}  // namespace

TEST_F(HApplicationRegistry, ReadsAStringByOnePathOrLogsWhatIsWrongAndGivesNone)
{
    const std::string key = "HKEY_CURRENT_USER\\Software\\TesselTest";
    struct Case {
        std::string path;
        const char* value;
        const char* logged;  // a line of the log, or nothing to look for
    };
    const Case cases[] = {
        {key + "\\Game\\Install\\Directory", "C:\\Game\\ソフト表", nullptr},
        // "ソ" ends in a backslash byte: it neither ends the subkey nor starts the value name.
        {key + "\\ソフト\\表示", "shift-jis key", nullptr},
        // One backslash: a value of the root key itself.
        {std::string("HKEY_CURRENT_USER\\") + kRootValue, "at the root", nullptr},
        {key + "\\Unterminated", "abc", nullptr},
        // Longer than the 2048-byte buffer of getRegistryString.
        {key + "\\Long", "", nullptr},
        {"hkey_current_user\\Software\\TesselTest\\Game\\Install\\Directory", "",
         "レジストリ参照：不正なルートキー"},
        {"HKCU\\Software\\TesselTest\\Long", "", "レジストリ参照：不正なルートキー"},
        {key + "\\Nothing\\Directory", "", "error code:2"},
        {key + "\\Game\\Install\\Nothing", "", "レジストリ参照：エントリ取得失敗"},
        {"HKEY_CURRENT_USER", "", "レジストリ参照：エントリ取得失敗"},
    };
    for (const Case& c : cases) {
        TestFolder folder;  // a log of its own
        LogCapture log({"info", "debug"});
        EXPECT_EQ(HApplication::getRegistryString(c.path), c.value) << c.path;
        std::string text = log.text();
        if (c.logged != nullptr) {
            EXPECT_NE(text.find(c.logged), std::string::npos) << c.path;
        }
        // A subkey is looked up only under a root key that is one.
        EXPECT_EQ(text.find("サブキー取得失敗") != std::string::npos,
                  c.path.find("Nothing\\Directory") != std::string::npos)
            << c.path;
    }

    char buffer[8];
    std::fill(buffer, buffer + sizeof(buffer), 'z');
    uint32_t size = sizeof(buffer);
    ASSERT_TRUE(HApplication::readRegistry(key + "\\Unterminated", buffer, &size));
    EXPECT_STREQ(buffer, "abc");
    size = 3;  // "abc" without room for the zero
    EXPECT_FALSE(HApplication::readRegistry(key + "\\Unterminated", buffer, &size));
}

TEST(HApplicationDirectories, CurrentDirectoryModuleFileAndFilePaths)
{
    TestFolder folder;
    TestFolder::makeFolder("sub\\deeper");
    TestFolder::write("sub\\file.txt", "x");
    HFile start = HApplication::getCurrentDirectory();
    EXPECT_EQ(start.getFullPath(), folder.path());

    EXPECT_TRUE(HApplication::setCurrentDirectory(HFile("sub\\deeper")));
    EXPECT_EQ(HApplication::getCurrentDirectory().getPath(), folder.path() + "\\sub\\deeper");
    EXPECT_TRUE(HApplication::setCurrentDirectory(HFile(folder.path() + "\\sub\\file.txt")));
    EXPECT_EQ(HApplication::getCurrentDirectory().getPath(), folder.path() + "\\sub");
    // A path that does not exist: its folder.
    EXPECT_TRUE(HApplication::setCurrentDirectory(HFile(folder.path() + "\\missing.txt")));
    EXPECT_EQ(HApplication::getCurrentDirectory().getPath(), folder.path());
    EXPECT_FALSE(HApplication::setCurrentDirectory(HFile(folder.path() + "\\nowhere\\missing.txt")));
    EXPECT_EQ(HApplication::getCurrentDirectory().getPath(), folder.path());

    HFile module = HApplication::getModuleFile();
    EXPECT_EQ(module.getName(), "framework_gui_tests.exe");
    EXPECT_EQ(module.getType(), HFile::TYPE_FILE);
}

TEST(HApplicationFlags, ComAloneLeavesDirect3DOffWhichStaysOnWhenItCanBeHad)
{
    TestFolder folder;
    LogCapture log({"debug", "journal"});
    HApplication::initializeApplication(GetModuleHandleA(nullptr), nullptr, "-x", SW_SHOW,
                                        HApplication::FLAG_COM);
    EXPECT_TRUE(HApplication::isFlagSet(HApplication::FLAG_COM));
    EXPECT_FALSE(HApplication::isFlagSet(HApplication::FLAG_DIRECTX));
    EXPECT_EQ(HApplication::getInstanceHandle(), GetModuleHandleA(nullptr));
    EXPECT_EQ(HApplication::getCommandLine(), "-x");
    HApplication::uninitializeApplication();
    EXPECT_FALSE(log.contains("DirectX::initialize"));
    EXPECT_EQ(log.missing({"initializeApplication", "CoInitialize", "CoUninitialize"}), "");

    LogCapture again({"debug"});
    HApplication::initializeApplication(GetModuleHandleA(nullptr), nullptr, "", SW_SHOW,
                                        HApplication::FLAG_COM | HApplication::FLAG_DIRECTX);
    EXPECT_TRUE(HApplication::isFlagSet(HApplication::FLAG_DIRECTX));
    EXPECT_FALSE(HApplication::isFlagSet(HApplication::FLAG_IDLE_DRAW));
    HApplication::uninitializeApplication();
    EXPECT_EQ(again.missing({"DirectX::initialize=1", "HDirectX::uninitialize"}), "");
}

