#pragma once
// A fresh, empty folder under the temporary folder, removed with everything in
// it when the test ends.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in a backslash.
    const std::string& Path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + std::string(name); }

private:
    std::string path_;
};

// Whole-file helpers that do not go through the code under test.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);
bool FileExists(const std::string& path);
// A new file of `size` zero bytes, made by setting its end rather than by
// writing them: quick, and sparse where the file system allows. False when it
// could not be made.
bool MakeFileOfSize(const std::string& path, unsigned long long size);

// Another "program" holding a file open without sharing, as long as it lives.
class ExclusiveHold {
public:
    explicit ExclusiveHold(const std::string& path);
    ~ExclusiveHold();
    ExclusiveHold(const ExclusiveHold&) = delete;
    ExclusiveHold& operator=(const ExclusiveHold&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// A set file the program cannot read, as long as this lives: one that another
// program holds open, or one a byte larger than the program holds in memory.
enum class Unreadable { HeldOpen, TooLarge };
class UnreadableFile {
  public:
    UnreadableFile(const std::string& path, Unreadable why);
    bool Ready() const { return ready_; }

  private:
    std::unique_ptr<ExclusiveHold> hold_;
    bool ready_ = false;
};
const char* Describe(Unreadable why);
