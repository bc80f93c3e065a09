#include "platform/file_security_win32.h"

#include <cstring>

#include "platform/system_library.h"

namespace {

// advapi32 pulls in other DLLs, so it is loaded from the system folder by the
// first replace that asks, and kept. The kernel object calls work on the
// handle alone: nothing is opened again by name, which a file marked for
// deletion would refuse.
struct SecurityEntries {
    decltype(&GetKernelObjectSecurity) get = nullptr;
    decltype(&SetKernelObjectSecurity) set = nullptr;
    decltype(&GetSecurityDescriptorDacl) dacl = nullptr;
    decltype(&GetSecurityDescriptorControl) control = nullptr;
};

const SecurityEntries& Security() {
    static const SecurityEntries entries = [] {
        const HMODULE advapi = LoadSystemLibrary("advapi32.dll");
        SecurityEntries found;
        found.get = LibraryEntry<decltype(found.get)>(advapi, "GetKernelObjectSecurity");
        found.set = LibraryEntry<decltype(found.set)>(advapi, "SetKernelObjectSecurity");
        found.dacl = LibraryEntry<decltype(found.dacl)>(advapi, "GetSecurityDescriptorDacl");
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
    if (!api.get || !api.dacl || !api.control) return std::nullopt;
    FilePermissions read;
    DWORD size = 0;
    api.get(file, DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    read.descriptor.resize(size);
    if (size == 0 || !api.get(file, DACL_SECURITY_INFORMATION, read.descriptor.data(), size, &size))
        return std::nullopt;
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (!api.dacl(read.descriptor.data(), &present, &read.dacl, &defaulted) ||
        !api.control(read.descriptor.data(), &control, &revision))
        return std::nullopt;
    if (!present) read.dacl = nullptr;
    read.shutOff = (control & SE_DACL_PROTECTED) != 0;
    return read;
}

bool GivePermissions(HANDLE to, const FilePermissions& permissions) {
    const std::optional<FilePermissions> fresh = ReadPermissions(to);
    if (fresh && Same(permissions, *fresh)) return true;
    // The descriptor as read: the DACL, and its being shut off or not.
    const auto set = Security().set;
    return set && set(to, DACL_SECURITY_INFORMATION,
                      const_cast<std::byte*>(permissions.descriptor.data())) != FALSE;
}
