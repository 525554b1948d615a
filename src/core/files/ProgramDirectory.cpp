#include "files/ProgramDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace kestrova {
namespace fs = std::filesystem;
namespace {

std::string withSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string userDataDirectory() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return withSlash(std::string(xdg) + "/kestrova");
    if (const char* home = std::getenv("HOME"); home && *home)
        return withSlash(std::string(home) + "/.local/share/kestrova");
    return "/tmp/kestrova/";
}

} // namespace

std::string programDirectory(const std::string& overrideDir) {
    if (!overrideDir.empty()) return withSlash(overrideDir);
    if (const char* env = std::getenv("KESTROVA_HOME"); env && *env) return withSlash(env);
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::string dir = withSlash(exe.parent_path().string());
        if (::access(dir.c_str(), W_OK) == 0) return dir;
    }
    const std::string user = userDataDirectory();
    fs::create_directories(user, ec);
    return user;
}

} // namespace kestrova
