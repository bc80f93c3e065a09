#pragma once
// The temporary file that a replace writes the new contents to, beside the
// file it is to take the place of, and the clearing of those that interrupted
// replaces left behind. Internal to platform/.

#include <windows.h>

#include <string>

#include "platform/handles.h"

// A new, empty file, held open sharing nothing from its creation until it is
// in place or gone: no other program (the start-up clean-up of another copy,
// in any session, among them) can open, delete or rename it meanwhile. Until
// the rename it is marked for deletion, so that the system removes it however
// the program ends. The handle may delete it from the start: access is checked
// when a file is opened, so permissions given to it later cannot leave it
// behind.
class TemporaryFile {
  public:
    // Made in `folder` (ending in a backslash) with a name of its own, open
    // for writing (its attributes too), deleting and any `access` more; false
    // (see operator bool) when the folder refuses such a file.
    TemporaryFile(const std::wstring& folder, DWORD access);
    // Removes the file, unless it was put in place.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    explicit operator bool() const { return static_cast<bool>(file_); }
    HANDLE Get() const { return file_.Get(); }

    // Takes the place of `target` with one rename, which happens whole or not
    // at all: a reader, and a program killed at any moment, find the old file
    // or the new one. A file that another program has open is waited for
    // until the deadline. False when that cannot be done; the last error is
    // then ERROR_SHARING_VIOLATION for a file still in use.
    bool PutInPlace(const std::wstring& target, ULONGLONG deadline);

  private:
    bool MarkForDeletion(bool marked);
    bool RenameTo(const std::wstring& target);

    KernelHandle file_;
    std::wstring name_;
    bool marked_ = false;
    bool placed_ = false;
};

// Removes from the folder (ending in a backslash) the temporary files that
// interrupted replaces left, and nothing else: only names of their own
// pattern, and only those that nobody holds open. Called with the turn to
// replace files held.
void RemoveLeftovers(const std::wstring& folder);
