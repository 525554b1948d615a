// Where the program keeps its own files (the patient database): the directory of the
// running executable, or KESTROVA_HOME when set; when that directory cannot be
// written, the per-user data directory instead.
#pragma once

#include <string>

namespace kestrova {

// With a trailing '/'. `overrideDir` (a --home option) wins over everything else.
std::string programDirectory(const std::string& overrideDir = {});

} // namespace kestrova
