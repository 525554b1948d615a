// Where the program keeps its own files (the patient database): the directory of the
// running executable, or KESTROVA_HOME when set; for an installed program (its
// resources in <prefix>/share/kestrova beside <prefix>/bin) or when the executable's
// directory cannot be written, the per-user data directory instead.
#pragma once

#include <string>
#include <system_error>

namespace kestrova {

// With a trailing '/'. `overrideDir` (a --home option) wins over everything else.
std::string programDirectory(const std::string& overrideDir = {});

// Whether this executable is an installed program: its resources lie in
// <prefix>/share/kestrova beside its <prefix>/bin.
bool runsInstalled();

// $XDG_DATA_HOME/kestrova or ~/.local/share/kestrova, created when missing; with a
// trailing '/'.
std::string userDataDirectory();

// $XDG_CONFIG_HOME/kestrova or ~/.config/kestrova, with a trailing '/' (not created:
// the settings file's first write makes it). Where an installed program keeps its settings.
std::string userConfigDirectory();

// Creates `dir` and any missing parent as 0700 (only those it creates): what the
// program keeps there (patients, recordings) is for its user alone. Returns an error
// code of the first directory that could not be made, or none.
std::error_code createPrivateDirectories(const std::string& dir);

// The per-user data directory's path without creating it (earlier versions kept the
// settings there).
std::string legacyUserDataPath();

} // namespace kestrova
