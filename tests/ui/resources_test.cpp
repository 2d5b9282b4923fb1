// The resources of bandora.exe, read back from the file itself.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/exe_path.h"
#include "ui/form1.h"
#include "ui/resource_ids.h"

namespace {

class ExeResources : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExW(BuiltExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << "cannot open the built program";
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }
    std::string Resource(LPCWSTR type, LPCWSTR name) {
        HRSRC found = FindResourceW(module, name, type);
        if (!found) return {};
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }
    HMODULE module = nullptr;
};

std::wstring VersionString(const std::vector<char>& block, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
    return value;
}

TEST_F(ExeResources, VersionBlock) {
    const std::wstring exe = BuiltExePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    DWORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(LOWORD(*translation), 0x0409);
    EXPECT_EQ(HIWORD(*translation), 0x04B0);

    // Read back whole: a sign the resource compiler took in the wrong code
    // page, or an address that differs from the caption's, shows here.
    const struct { const wchar_t* field; std::wstring text; } kStrings[] = {
        {L"ProductName", L"Bandora"},
        {L"FileVersion", L"1.00"},
        {L"ProductVersion", L"1.00"},
        {L"CompanyName", L"The Bandora developers"},
        {L"FileDescription", L"Bandora resistor colour code"},
        {L"LegalCopyright", L"Copyright \u00A9 2026 The Bandora developers"},
        {L"LegalTrademarks", L"No trademarks"},
        {L"InternalName", L"Bandora"},
        {L"OriginalFilename", L"bandora.exe"},
        {L"Comments", std::wstring(L"Reads and writes the colour bands of fixed resistors. https://") + ui::kWebAddress},
    };
    for (const auto& s : kStrings) EXPECT_EQ(VersionString(block, s.field), s.text) << s.field;
}

TEST_F(ExeResources, ManifestAsksForCommonControlsSix) {
    const std::string manifest = Resource(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));   // RT_MANIFEST, id 1
    ASSERT_FALSE(manifest.empty());
    const auto identity = manifest.find("<assemblyIdentity");
    ASSERT_NE(identity, std::string::npos);
    const std::string own = manifest.substr(identity, manifest.find("/>", identity) - identity);
    EXPECT_NE(own.find("version=\"1.0.0.0\""), std::string::npos);
    EXPECT_NE(own.find("processorArchitecture=\"x86\""), std::string::npos);
    EXPECT_NE(own.find("type=\"win32\""), std::string::npos);
    const auto dependency = manifest.find("<dependency>");
    ASSERT_NE(dependency, std::string::npos);
    EXPECT_EQ(manifest.find("<dependency>", dependency + 1), std::string::npos) << "exactly one dependency";
    const std::string dep = manifest.substr(dependency);
    EXPECT_NE(dep.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
    EXPECT_NE(dep.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(dep.find("processorArchitecture=\"x86\""), std::string::npos);
    EXPECT_NE(dep.find("language=\"*\""), std::string::npos);
    // Per-monitor aware, so Windows never stretches the window: V2, then V1,
    // and for Windows before 10 1607 the older element.
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    // The ids Windows gives its versions, as published: 7, 8, 8.1, and 10 and 11.
    for (const char* os : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + os + "\"/>"), std::string::npos) << os;
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"), std::string::npos);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconDir {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

TEST_F(ExeResources, OneIconOf32By32InSixteenColours) {
    const std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_BANDORA));
    ASSERT_GE(group.size(), sizeof(GroupIconDir));
    const auto* dir = reinterpret_cast<const GroupIconDir*>(group.data());
    ASSERT_EQ(dir->count, 1);
    const GroupIconEntry& entry = dir->entries[0];
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colours, 16);
    EXPECT_EQ(entry.bitCount, 4);
    const std::string image = Resource(RT_ICON, MAKEINTRESOURCEW(entry.id));
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
    EXPECT_EQ(header->biWidth, 32);
    EXPECT_EQ(header->biHeight, 64) << "colour image and transparency mask";
    EXPECT_EQ(header->biBitCount, 4);
    // The mask makes some pixels transparent and leaves others drawn.
    const std::size_t maskOffset = header->biSize + 16 * 4 + 32 * 16;
    ASSERT_EQ(image.size(), maskOffset + 32 * 4);
    int transparent = 0;
    for (std::size_t i = maskOffset; i < image.size(); ++i)
        for (int bit = 0; bit < 8; ++bit) transparent += (image[i] >> bit) & 1;
    EXPECT_GT(transparent, 100);
    EXPECT_LT(transparent, 1000);
}

TEST(ExeImports, NeedsNothingButWindowsOwnLibraries) {
    HANDLE file = CreateFileW(BuiltExePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    std::vector<char> bytes(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_EQ(nt->OptionalHeader.MajorSubsystemVersion, 6);
    EXPECT_EQ(nt->OptionalHeader.MinorSubsystemVersion, 1);
    const WORD kAsWindowsMakesIt = IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE | IMAGE_DLLCHARACTERISTICS_NX_COMPAT |
                                   IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE;
    EXPECT_EQ(nt->OptionalHeader.DllCharacteristics & kAsWindowsMakesIt, kAsWindowsMakesIt);
    const auto* sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> DWORD {
        for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i)
            if (rva >= sections[i].VirtualAddress && rva < sections[i].VirtualAddress + sections[i].Misc.VirtualSize)
                return rva - sections[i].VirtualAddress + sections[i].PointerToRawData;
        return 0;
    };
    const DWORD importRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    std::vector<std::string> dlls;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes.data() + offsetOf(importRva)); d->Name; ++d) {
        std::string name = bytes.data() + offsetOf(d->Name);
        for (char& ch : name) ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
        dlls.push_back(name);
    }
    const std::vector<std::string> windows{"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
                                           "oleaut32.dll", "msvcrt.dll", "advapi32.dll", "ole32.dll"};
    EXPECT_FALSE(dlls.empty());
    for (const std::string& dll : dlls)
        EXPECT_NE(std::find(windows.begin(), windows.end(), dll), windows.end()) << dll << " is not part of Windows";
}

}  // namespace
