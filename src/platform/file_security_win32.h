#pragma once
// A file's permissions, carried from the file that a replace takes the place
// of to the new one. Internal to platform/.

#include <string>

// Gives `to` the DACL of `from` where the two differ. A DACL that only
// inherits from the folder is what a new file in the same folder has already,
// so the two differ where `from` has permissions of its own (entries of its
// own, or inheritance switched off): those are what `to` is given. True when
// nothing needed doing or it was done, and when the permissions of `from`
// cannot be read (nothing is known to keep); false when they could not be
// given.
bool CarryPermissions(const std::string& from, const std::string& to);
