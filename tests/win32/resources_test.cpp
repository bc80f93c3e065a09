// The program's own resources, as the tests' executable carries them too.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(ProgramResources, TheIconIsNamed0LAndComesInThreeSizes) {
    const HMODULE module = GetModuleHandleA(nullptr);
    EXPECT_NE(LoadIconA(module, "0L"), nullptr);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(0), RT_GROUP_ICON), nullptr)
        << "the name is the text \"0L\", not the number 0";
    for (int size : {16, 32, 48}) {
        const auto icon =
            static_cast<HICON>(LoadImageA(module, "0L", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << size;
        EXPECT_EQ(IconWidth(icon), size);
        DestroyIcon(icon);
    }
}

// The program's manifest (resource 1 of type 24), or "" when it has none.
std::string ProgramManifest() {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (!found) return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
}

TEST(ProgramResources, TheManifestAsksForCommonControlsSix) {
    const std::string manifest = ProgramManifest();
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("supportedOS"), std::string::npos);
}

TEST(ProgramResources, TheManifestDeclaresPerMonitorDpiAwareness) {
    const std::string manifest = ProgramManifest();
    // Per-monitor v2, falling back to system awareness (never to v1, which
    // leaves dialogs unscaled), in the asm.v3 windowsSettings of the
    // application.
    EXPECT_NE(manifest.find("<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">"),
              std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, System</dpiAwareness>"), std::string::npos);
}

TEST(ProgramResources, TheManifestAsksForUtf8) {
    // ANSI calls in UTF-8: every folder and file name can be named.
    EXPECT_NE(ProgramManifest().find(">UTF-8</activeCodePage>"), std::string::npos);
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
}

} // namespace
