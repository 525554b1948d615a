#include "CliCommon.h"

#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "files/ProgramDirectory.h"
#include "model/RecordingModel.h"

#include <iostream>

namespace kestrova::cli {

void addHomeOption(CLI::App& sub, CommonOptions& options) {
    sub.add_option("--home", options.home,
                   "Program directory holding bldb/pationtrec.dat (default: KESTROVA_HOME or the "
                   "executable's directory)");
}

bool loadRecording(const std::string& path, const CommonOptions& options, RecordingModel& model) {
    const PatientDatabase db(programDirectory(options.home));
    std::string error;
    if (!openSavedData(path, model, db, error)) {
        std::cerr << error << '\n';
        return false;
    }
    return true;
}

int fail(const std::string& message) {
    std::cerr << message << '\n';
    return 1;
}

} // namespace kestrova::cli
