#include "files/ProgramDirectory.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kestrova {
namespace fs = std::filesystem;
namespace {

std::string withSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string userDataPath() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return withSlash(std::string(xdg) + "/kestrova");
    if (const char* home = std::getenv("HOME"); home && *home)
        return withSlash(std::string(home) + "/.local/share/kestrova");
    return "/tmp/kestrova/";
}

} // namespace

std::error_code createPrivateDirectories(const std::string& dir) {
    std::string path = dir;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (path.empty()) return {};
    // Made from the top down, so that each new directory is 0700 whatever the umask
    // (mkdir's mode is only narrowed by it).
    for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        const std::string part = at == std::string::npos ? path : path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0) {
            const int e = errno;
            struct stat st {};
            if (e != EEXIST || ::stat(part.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
                return std::error_code(e == EEXIST ? ENOTDIR : e, std::generic_category());
        }
        if (at == std::string::npos) return {};
    }
}

std::string userConfigDirectory() {
    std::string dir;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        dir = withSlash(std::string(xdg) + "/kestrova");
    else if (const char* home = std::getenv("HOME"); home && *home)
        dir = withSlash(std::string(home) + "/.config/kestrova");
    else
        dir = "/tmp/kestrova/";
    // Not made here: finding the settings file (also for --version) creates nothing;
    // the first write of the file makes its folder.
    return dir;
}

std::string legacyUserDataPath() {
    return userDataPath();
}

bool runsInstalled() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return !ec && fs::is_directory(exe.parent_path().parent_path() / "share" / "kestrova", ec);
}

std::string userDataDirectory() {
    const std::string user = userDataPath();
    createPrivateDirectories(user);
    return user;
}

std::string programDirectory(const std::string& overrideDir) {
    if (!overrideDir.empty()) return withSlash(overrideDir);
    if (const char* env = std::getenv("KESTROVA_HOME"); env && *env) return withSlash(env);
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::string dir = withSlash(exe.parent_path().string());
        // An installed program shares its directory with every other program, and
        // root could write there: its database belongs to the user.
        if (!runsInstalled() && ::access(dir.c_str(), W_OK) == 0) return dir;
    }
    return userDataPath(); // created by the first write of the database, not by looking
}

} // namespace kestrova
