#include "platform/file_security_win32.h"

#include <aclapi.h>

#include <cstring>

#include "platform/system_library.h"

namespace {

// advapi32 pulls in other DLLs, so it is loaded from the system folder by the
// first replace that asks, and kept.
struct SecurityEntries {
    decltype(&GetSecurityInfo) get = nullptr;
    decltype(&SetSecurityInfo) set = nullptr;
    decltype(&GetSecurityDescriptorControl) control = nullptr;
};

const SecurityEntries& Security() {
    static const SecurityEntries entries = [] {
        const HMODULE advapi = LoadSystemLibrary("advapi32.dll");
        SecurityEntries found;
        found.get = LibraryEntry<decltype(found.get)>(advapi, "GetSecurityInfo");
        found.set = LibraryEntry<decltype(found.set)>(advapi, "SetSecurityInfo");
        found.control =
            LibraryEntry<decltype(found.control)>(advapi, "GetSecurityDescriptorControl");
        return found;
    }();
    return entries;
}

bool Same(const FilePermissions& a, const FilePermissions& b) {
    if (a.shutOff != b.shutOff || !a.dacl != !b.dacl) return false;
    return !a.dacl || (a.dacl->AclSize == b.dacl->AclSize &&
                       std::memcmp(a.dacl, b.dacl, a.dacl->AclSize) == 0);
}

} // namespace

std::optional<FilePermissions> ReadPermissions(HANDLE file) {
    const SecurityEntries& api = Security();
    if (!api.get || !api.control) return std::nullopt;
    FilePermissions read;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (api.get(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &read.dacl,
                nullptr, &descriptor) != ERROR_SUCCESS)
        return std::nullopt;
    read.descriptor.reset(descriptor);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (!api.control(descriptor, &control, &revision)) return std::nullopt;
    read.shutOff = (control & SE_DACL_PROTECTED) != 0;
    return read;
}

bool GivePermissions(HANDLE to, const FilePermissions& permissions) {
    const std::optional<FilePermissions> fresh = ReadPermissions(to);
    if (fresh && Same(permissions, *fresh)) return true;
    // Entries that the old DACL inherited are taken from the folder again,
    // which is the same folder, unless the old file was shut off from it.
    const SECURITY_INFORMATION what =
        DACL_SECURITY_INFORMATION | (permissions.shutOff ? PROTECTED_DACL_SECURITY_INFORMATION
                                                         : UNPROTECTED_DACL_SECURITY_INFORMATION);
    const auto set = Security().set;
    return set && set(to, SE_FILE_OBJECT, what, nullptr, nullptr, permissions.dacl, nullptr) ==
                      ERROR_SUCCESS;
}
