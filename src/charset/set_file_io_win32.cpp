#include "charset/set_file_io.h"

#include <array>
#include <new>
#include <optional>

#include "base/number_text.h"
#include "charset/set_file.h"
#include "platform/files.h"
#include "state/settings.h"

namespace {

constexpr char kDefaultSetSetting[] = "Default.set";
constexpr char kDefaultSetFileName[] = "default.set";

// A stop icon and system-modal, as every error box of the program.
constexpr UINT kErrorBoxStyle = MB_ICONHAND | MB_SYSTEMMODAL;
static_assert(kErrorBoxStyle == 0x1010);

void ShowError(const char* text) {
    MessageBoxA(nullptr, text, "Error", kErrorBoxStyle);
}

// The built-in set: the RCDATA block "DEFAULTFONT" of the module. Resources of
// a loaded module stay mapped as long as the module, so nothing is freed.
std::optional<std::string> LoadBuiltInSet(HMODULE module) {
    HRSRC resource = FindResourceA(module, "DEFAULTFONT", RT_RCDATA);
    if (!resource) {
        ShowError("Could not find and create default font. Application may be damaged.");
        return std::nullopt;
    }
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL block = LoadResource(module, resource);
    const void* bytes = block ? LockResource(block) : nullptr;
    if (!bytes) {
        ShowError("Could not load and create installer. Application may be damaged.");
        return std::nullopt;
    }
    return std::string(static_cast<const char*>(bytes), size);
}

} // namespace

SetFileLoad ReadSetFile(const std::string& path) {
    return ReadSetFileInto(path, ProgramCharacterSet());
}

void ShowSetFileUnreadable(const std::string& path) {
    const std::string text =
        "Error: I could not read the file " + path + " -- it may be in use by another program.";
    ShowError(text.c_str());
}

void ShowSetFileLoaded(const SetFileLoad& load) {
    const std::string text = "Number of data sets of mouse motion digits loaded is " +
                             FormatNumber(load.slots) + " with " + FormatNumber(load.points) +
                             " individual coordinates";
    MessageBoxA(nullptr, text.c_str(), "Loaded Successfully", MB_OK | MB_ICONINFORMATION);
}

SetFileLoad ReadSetFileInto(const std::string& path, CharacterSet& set) {
    if (!IsPlainFile(path)) return {};
    // A file that is there but cannot be read (held open by another program,
    // too large) leaves the set in use alone: it may hold unsaved recordings.
    try {
        std::optional<std::string> bytes = ReadWholeFile(path);
        if (!bytes) return {0, 0, true, false};
        GlyphTexts texts = ParseSetFile(*bytes);
        bytes.reset();
        const SetFigures figures = CountSetFigures(texts);
        set.Load(std::move(texts));
        return {figures.slots, figures.points, false, false};
    } catch (const std::bad_alloc&) {
        return {0, 0, true, true};
    }
}

bool WriteSetFile(const std::string& path) {
    return WriteSetFileFrom(path, ProgramCharacterSet());
}

bool WriteSetFileFrom(const std::string& path, const CharacterSet& set) {
    try {
        const auto texts = set.Shared();
        std::array<std::string_view, kGlyphSlotCount> views;
        for (int slot = 0; slot < kGlyphSlotCount; ++slot)
            views[slot] = texts[slot].View();
        return ReplaceFileContents(path, SetFilePieces(views));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::string ResolveSetPath(std::string_view setting) {
    return ResolveSetPathIn(ProgramFolder(), setting);
}

std::string ResolveSetPathIn(const std::string& folder, std::string_view setting) {
    if (setting.find('\\') != std::string_view::npos) return std::string(setting);
    return folder + std::string(setting);
}

void EnsureDefaultSetFile() {
    EnsureDefaultSetFileIn(ProgramFolder(), GetModuleHandleA(nullptr));
}

void EnsureDefaultSetFileIn(const std::string& folder, HMODULE module) {
    const std::string path = folder + kDefaultSetFileName;
    if (IsPlainFile(path)) return;
    const std::optional<std::string> bytes = LoadBuiltInSet(module);
    if (!bytes) return;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        // Nothing of that name: a new file, never seen half-written.
        ReplaceFileContents(path, *bytes);
    } else {
        // A hidden or system "default.set" is written over from its start and
        // keeps its attributes and any bytes past the built-in set's end.
        WriteFileInPlace(path, *bytes);
    }
}

void LoadCurrentSet() {
    const SharedString setting = ProgramSettings().CharacterSet.Get();
    LoadSetNamedBy(setting.View(), ProgramFolder(), ProgramCharacterSet());
}

SetFileLoad LoadSetNamedBy(std::string_view setting, const std::string& folder, CharacterSet& set) {
    // No file has a name that long: such a setting is not copied into a path.
    if (setting.size() > kLongestPathBytes) return {};
    // Case matters here, although file names do not: "default.set" in lower
    // case names the same file but never brings the built-in set back.
    if (setting == kDefaultSetSetting) EnsureDefaultSetFileIn(folder, GetModuleHandleA(nullptr));
    return ReadSetFileInto(ResolveSetPathIn(folder, setting), set);
}
