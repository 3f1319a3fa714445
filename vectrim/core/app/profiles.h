// Settings profiles (*.PRO): the names the save and open dialogs' results
// turn into. A profile has the layout of the working file.
#pragma once

#include <optional>
#include <string>

namespace vectrim {

// The file a profile is saved under, from the save dialog's result (which
// ends in the dialog's NUL): the NUL dropped, the file name in upper case,
// ".PRO" appended unless the name ends in it. Nothing for a cancelled dialog.
// Only the file name is put in upper case; the folders of the path keep
// their case, since they name existing folders.
std::optional<std::string> profileSaveName(const std::string& dialogResult);

// The profile an open dialog's result names, when its name ends in ".PRO"
// (any case) before the NUL; nothing otherwise.
std::optional<std::string> profileOpenName(const std::string& dialogResult);

} // namespace vectrim
