#include "platform/file_security_win32.h"

#include <windows.h>
#include <aclapi.h>

#include <cstring>
#include <memory>

#include "platform/system_library.h"

namespace {

// advapi32 pulls in other DLLs, so it is loaded from the system folder by the
// first replace that asks, and kept.
struct SecurityEntries {
    decltype(&GetNamedSecurityInfoA) get = nullptr;
    decltype(&SetNamedSecurityInfoA) set = nullptr;
    decltype(&GetSecurityDescriptorControl) control = nullptr;
};

const SecurityEntries& Security() {
    static const SecurityEntries entries = [] {
        const HMODULE advapi = LoadSystemLibrary("advapi32.dll");
        SecurityEntries found;
        found.get = LibraryEntry<decltype(found.get)>(advapi, "GetNamedSecurityInfoA");
        found.set = LibraryEntry<decltype(found.set)>(advapi, "SetNamedSecurityInfoA");
        found.control =
            LibraryEntry<decltype(found.control)>(advapi, "GetSecurityDescriptorControl");
        return found;
    }();
    return entries;
}

struct LocalFreer {
    void operator()(void* memory) const { LocalFree(memory); }
};

// A file's DACL as read, and whether it is shut off from its folder's.
struct Permissions {
    std::unique_ptr<void, LocalFreer> descriptor; // owns what `dacl` points into
    PACL dacl = nullptr;                          // null: no DACL, nothing refused
    bool shutOff = false;
};

bool Read(const std::string& path, Permissions& out) {
    const SecurityEntries& api = Security();
    if (!api.get || !api.control) return false;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (api.get(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                &out.dacl, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    out.descriptor.reset(descriptor);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (!api.control(descriptor, &control, &revision)) return false;
    out.shutOff = (control & SE_DACL_PROTECTED) != 0;
    return true;
}

bool Same(const Permissions& a, const Permissions& b) {
    if (a.shutOff != b.shutOff || !a.dacl != !b.dacl) return false;
    return !a.dacl || (a.dacl->AclSize == b.dacl->AclSize &&
                       std::memcmp(a.dacl, b.dacl, a.dacl->AclSize) == 0);
}

} // namespace

bool CarryPermissions(const std::string& from, const std::string& to) {
    Permissions old;
    if (!Read(from, old)) return true;
    Permissions fresh;
    if (Read(to, fresh) && Same(old, fresh)) return true;
    // Entries that the old DACL inherited are taken from the folder again,
    // which is the same folder, unless the old file was shut off from it.
    const SECURITY_INFORMATION what =
        DACL_SECURITY_INFORMATION |
        (old.shutOff ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION);
    std::string name = to; // the call takes a name it may write to
    const auto set = Security().set;
    return set && set(name.data(), SE_FILE_OBJECT, what, nullptr, nullptr, old.dacl, nullptr) ==
                      ERROR_SUCCESS;
}
