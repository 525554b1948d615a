// Where a downloaded recording is saved without ever replacing an earlier night: the
// command-line download writes each ID through here.
#pragma once

#include "files/AtomicFile.h"
#include "model/SampleRecord.h"

#include <span>
#include <string>

namespace kestrova {

struct SavedRecording {
    WriteStatus status;
    std::string path; // the file written (or found holding the same bytes)
};

// A complete recording goes to DIR/ID<n>.dat when that name is free or already holds
// the same bytes; otherwise to DIR/ID<n>-YYYYMMDD-HHMMSS.dat after its first sample,
// with -2, -3 ... when even that is taken. `overwrite` replaces DIR/ID<n>.dat instead.
// An incomplete one (the download broke while it arrived) goes to DIR/ID<n>.partial.dat
// by the same rule: DIR/ID<n>-YYYYMMDD-HHMMSS.partial.dat (then -2, -3 ...) when that
// is taken, whatever `overwrite` says.
SavedRecording saveDownloadedRecording(const std::string& dir, int id, std::span<const SampleRecord> samples,
                                       bool complete, bool overwrite);

} // namespace kestrova
