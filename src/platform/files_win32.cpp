#include "platform/files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <new>
#include <vector>

#include "platform/handles.h"

std::string ProgramFolder() {
    // GetModuleFileNameA cuts a long path silently (filling the buffer exactly),
    // so grow the buffer until the name fits with room to spare.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return ".\\";
        if (length < buffer.size() - 1) {
            std::string path(buffer.data(), length);
            const auto slash = path.rfind('\\');
            return slash == std::string::npos ? ".\\" : path.substr(0, slash + 1);
        }
        if (buffer.size() >= 65536) return ".\\";
        buffer.resize(buffer.size() * 2);
    }
}

bool IsPlainFile(const std::string& path) {
    // FindFirstFileA would take wildcards as a pattern and find any match.
    if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAA found{};
    FindHandle search(FindFirstFileA(path.c_str(), &found));
    if (!search) return false;
    const DWORD notPlain =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & notPlain) == 0;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxReadableFileSize)
        return std::nullopt;
    try {
        std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
            if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) return std::nullopt;
            if (got == 0) break;  // the file shrank meanwhile
            done += got;
        }
        bytes.resize(done);
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 24));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? std::string(".\\") : path.substr(0, slash + 1);
}

// A new, empty file in the folder, named as GetTempFileNameA would name it.
// That call cannot be used: it cuts its answer at MAX_PATH bytes, which a
// UTF-8 path passes long before it reaches MAX_PATH characters.
KernelHandle CreateTemporaryFile(const std::string& folder, std::string& name) {
    DWORD unique = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 64; ++attempt, ++unique) {
        char leaf[16];
        std::snprintf(leaf, sizeof leaf, "spd%08lX.tmp", static_cast<unsigned long>(unique));
        name = folder + leaf;
        KernelHandle file(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return file;
        // Taken, or still being deleted: try the next name. Anything else (a
        // folder that is missing or not writable) will not change.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS &&
            error != ERROR_ACCESS_DENIED)
            break;
    }
    name.clear();
    return KernelHandle();
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    // Windows refuses to replace a read-only file; Wine does not, so ask first.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;

    std::string temporary;
    bool written = false;
    {
        KernelHandle file = CreateTemporaryFile(FolderOf(path), temporary);
        if (!file) return false;
        written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    }
    if (written && MoveFileExA(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

bool WriteFileInPlace(const std::string& path, std::string_view bytes) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.Get(), bytes);
}
