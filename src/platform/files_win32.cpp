#include "platform/files.h"

#include <algorithm>
#include <new>
#include <vector>

#include "platform/file_access_win32.h"

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
    KernelHandle file =
        OpenExclusive(path, GENERIC_READ, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, InUseDeadline());
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return std::nullopt;
    if (static_cast<unsigned long long>(size.QuadPart) > kMaxReadableFileSize)
        throw std::bad_alloc();
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
        if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) return std::nullopt;
        if (got == 0) break; // the file shrank meanwhile
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool WriteFileInPlace(const std::string& path, std::string_view bytes) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.Get(), std::span(&bytes, 1));
}
