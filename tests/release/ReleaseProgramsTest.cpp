// What Windows reads from the two programs as shipped: the version resource (the version the
// title shows, in numbers and text), the icon at each size, and the manifest's common
// controls 6. The programs are those of the build, or those in TESSEL_PROGRAMS (a folder, as
// the release test passes an unpacked zip).
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMConstants.h"
#include "framework/base/HWin32.h"

namespace {

struct Program {
    const char* file;
    const char* buildPath;  // in the build, without TESSEL_PROGRAMS
    const char* describedAs;  // a Japanese word of its description
};

const Program kPrograms[] = {
    {"Tessel.exe", TESSEL_EDITOR_EXE, "エディタ"},
    {"tessel_tool.exe", TESSEL_TOOL_EXE, "ツール"},
};

std::string pathOf(const Program& program)
{
    const char* folder = std::getenv("TESSEL_PROGRAMS");
    return folder != nullptr ? std::string(folder) + "\\" + program.file : program.buildPath;
}

// The version's numbers, as the title's text names them ("0.60" is 0, 60, 0, 0).
std::vector<uint16_t> versionNumbers(const std::string& text)
{
    unsigned numbers[4] = {};
    std::sscanf(text.c_str(), "%u.%u.%u.%u", &numbers[0], &numbers[1], &numbers[2], &numbers[3]);
    return std::vector<uint16_t>(numbers, numbers + 4);
}

class VersionInfo {
public:
    explicit VersionInfo(const std::string& path)
    {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        if (size > 0) {
            m_data.resize(size);
            if (!GetFileVersionInfoA(path.c_str(), 0, size, m_data.data())) {
                m_data.clear();
            }
        }
    }
    bool empty() const { return m_data.empty(); }
    const VS_FIXEDFILEINFO* fixed()
    {
        void* value = nullptr;
        UINT length = 0;
        if (empty() || !VerQueryValueA(m_data.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
            return nullptr;
        }
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }
    // A string of the Japanese block, as Shift-JIS text.
    std::string text(const char* name)
    {
        std::wstring key = L"\\StringFileInfo\\041104b0\\";
        key.append(name, name + std::strlen(name));
        void* value = nullptr;
        UINT length = 0;
        if (empty() || !VerQueryValueW(m_data.data(), key.c_str(), &value, &length)) {
            return "(none)";
        }
        const wchar_t* wide = static_cast<const wchar_t*>(value);
        int bytes = WideCharToMultiByte(932, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        std::string out(bytes > 0 ? bytes - 1 : 0, '\0');
        WideCharToMultiByte(932, 0, wide, -1, &out[0], bytes, nullptr, nullptr);
        return out;
    }

private:
    std::vector<char> m_data;
};

// The program loaded as resources only, freed at the end.
using Resources = std::unique_ptr<std::remove_pointer<HMODULE>::type, decltype(&FreeLibrary)>;

Resources resourcesOf(const std::string& path)
{
    return Resources(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE),
                     &FreeLibrary);
}

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

}  // namespace

TEST(ReleasePrograms, TheVersionResourceNamesTheVersionTheTitleShows)
{
    std::vector<uint16_t> numbers = versionNumbers(APPLICATION_VERSION);
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.file);
        VersionInfo info(pathOf(program));
        ASSERT_FALSE(info.empty()) << "no version resource in " << pathOf(program);
        const VS_FIXEDFILEINFO* fixed = info.fixed();
        ASSERT_NE(fixed, nullptr);
        EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(numbers[0] << 16 | numbers[1]));
        EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(numbers[2] << 16 | numbers[3]));
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
        EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
        EXPECT_EQ(info.text("FileVersion"), APPLICATION_VERSION);
        EXPECT_EQ(info.text("ProductVersion"), APPLICATION_VERSION);
        EXPECT_EQ(info.text("ProductName"), APPLICATION_NAME);
        EXPECT_EQ(info.text("LegalCopyright"), APPLICATION_COPYRIGHT);
        EXPECT_EQ(info.text("OriginalFilename"), program.file);
        // Japanese text survives the resource compiler.
        EXPECT_NE(info.text("FileDescription").find(program.describedAs), std::string::npos)
            << info.text("FileDescription");
    }
}

TEST(ReleasePrograms, TheIconHasItsOwnPictureAtEachSizeWindowsAsksFor)
{
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.file);
        Resources module = resourcesOf(pathOf(program));
        ASSERT_NE(module.get(), nullptr);
        HRSRC group = FindResourceA(module.get(), MAKEINTRESOURCEA(1), RT_GROUP_ICON);
        ASSERT_NE(group, nullptr);
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module.get(), group)));
        ASSERT_NE(data, nullptr);
        const WORD count = *reinterpret_cast<const WORD*>(data + 4);
        std::set<int> sizes;
        for (WORD i = 0; i < count; ++i) {
            const GroupEntry* entry = reinterpret_cast<const GroupEntry*>(data + 6 + 14 * i);
            sizes.insert(entry->width == 0 ? 256 : entry->width);
            EXPECT_EQ(entry->bits, 32);
        }
        EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
        for (int size : sizes) {
            SCOPED_TRACE(size);
            int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(data), TRUE, size, size, LR_DEFAULTCOLOR);
            HRSRC picture = FindResourceA(module.get(), MAKEINTRESOURCEA(id), RT_ICON);
            ASSERT_NE(picture, nullptr);
            HICON icon = CreateIconFromResourceEx(
                static_cast<BYTE*>(LockResource(LoadResource(module.get(), picture))),
                SizeofResource(module.get(), picture), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
            ASSERT_NE(icon, nullptr);
            ICONINFO info = {};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP bitmap = {};
            GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
            EXPECT_EQ(bitmap.bmWidth, size);
            EXPECT_EQ(bitmap.bmHeight, size);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    }
}

// The path of the common controls that LoadLibrary gives in the current activation context,
// lower case.
std::string commonControlsPath()
{
    HMODULE controls = LoadLibraryA("comctl32.dll");
    char name[MAX_PATH] = {};
    GetModuleFileNameA(controls, name, MAX_PATH);
    FreeLibrary(controls);
    std::string path = name;
    for (char& c : path) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return path;
}

bool isCommonControlsSix(const std::string& path)
{
    return path.find("microsoft.windows.common-controls_") != std::string::npos
           && path.find("_6.0.") != std::string::npos;
}

TEST(ReleasePrograms, TheManifestAsksForCommonControlsSix)
{
    // The test program has no manifest: the system's default common controls.
    ASSERT_FALSE(isCommonControlsSix(commonControlsPath())) << commonControlsPath();
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.file);
        std::string path = pathOf(program);
        ACTCTXA context = {};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = path.c_str();
        context.lpResourceName = MAKEINTRESOURCEA(1);
        HANDLE handle = CreateActCtxA(&context);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE) << "the manifest does not load: " << GetLastError();
        ULONG_PTR cookie = 0;
        ASSERT_TRUE(ActivateActCtx(handle, &cookie));
        // In the program's activation context, the side-by-side assembly of version 6.
        EXPECT_TRUE(isCommonControlsSix(commonControlsPath())) << commonControlsPath();
        DeactivateActCtx(0, cookie);
        ReleaseActCtx(handle);
    }
}
