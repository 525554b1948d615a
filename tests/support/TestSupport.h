// Helpers shared by the tests: scratch directories, whole-file I/O, running programs.
#pragma once

#include "model/SampleRecord.h"

#include <string>
#include <vector>

namespace kestrova::test {

// A fresh directory under the system temp dir, removed with its contents on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
long fileSize(const std::string& path); // -1 when missing

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};
// Runs a shell command line, capturing stdout and stderr. A command still running
// after `timeoutSeconds` is killed with its process group (status -1).
CommandResult runCommand(const std::string& commandLine, int timeoutSeconds = 120);

// Pages of a PDF file's bytes (its /Type /Page objects).
int pdfPageCount(const std::string& pdf);

// `n` samples of ID 1 from 2010-05-05 08:00:00, one a second, all at `spo2` and `pulse`.
std::vector<SampleRecord> flatSeries(int n, int spo2 = 95, int pulse = 60);

// A generated night of `seconds` samples for patient `id` (the ID is also the seed).
std::vector<SampleRecord> night(int id, int seconds);

} // namespace kestrova::test
