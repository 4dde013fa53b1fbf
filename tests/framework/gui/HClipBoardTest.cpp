#include "framework/gui/HClipBoard.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"

namespace {

// The clipboard as the system holds it, read without the class under test.
std::wstring systemUnicodeText(HWND owner)
{
    std::wstring text;
    if (!OpenClipboard(owner)) {
        return L"<cannot open>";
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data != nullptr) {
        const wchar_t* chars = static_cast<const wchar_t*>(GlobalLock(data));
        if (chars != nullptr) {
            text = chars;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void putSystemText(HWND owner, const char* text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    if (text != nullptr) {
        size_t size = strlen(text) + 1;
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(GlobalLock(data), text, size);
        GlobalUnlock(data);
        SetClipboardData(CF_TEXT, data);
    }
    CloseClipboard();
}

class ClipBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.create();
        ASSERT_NE(window.getHandle(), nullptr);
    }
    TestWindow window;
};

TEST_F(ClipBoardTest, NothingToReadOrWriteKeepsTheBufferAndTheClipboard)
{
    putSystemText(window.getHandle(), "old");
    HClipBoard clipboard(window.getHandle());
    ASSERT_TRUE(clipboard.read());
    putSystemText(window.getHandle(), nullptr);
    EXPECT_FALSE(clipboard.read());
    EXPECT_EQ(clipboard.getText(), "old");

    putSystemText(window.getHandle(), "keep me");
    HClipBoard empty(window.getHandle());
    EXPECT_EQ(empty.getText(), "");
    EXPECT_FALSE(empty.write());
    HClipBoard ownerless(nullptr);
    ownerless.setText("lost");
    EXPECT_FALSE(ownerless.write());
    EXPECT_EQ(systemUnicodeText(window.getHandle()), L"keep me");

    HClipBoard writer(window.getHandle());
    writer.setText("");
    EXPECT_TRUE(writer.write());
    HClipBoard reader(window.getHandle());
    reader.setText("before");
    EXPECT_TRUE(reader.read());
    EXPECT_EQ(reader.getText(), "");
}

}  // namespace
