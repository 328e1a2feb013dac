#include "base/backup.h"

#include "base/atomic_save.h"
#include "base/errors.h"
#include "base/syscalls.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace zoki {

std::string backupName(const std::filesystem::path& file, std::time_t when, int copy) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    std::string name = file.filename().string();
    name += '.';
    name += stamp;
    if (copy > 1) {
        name += '-';
        name += std::to_string(copy);
    }
    name += ".bak";
    return name;
}

std::filesystem::path keepBackup(const std::filesystem::path& file, std::string_view bytes, std::time_t when) {
    // The data file's own mode; a file that is gone leaves the backup private.
    struct stat st {};
    const mode_t mode = sys::stat(file.c_str(), &st) == 0 ? st.st_mode : 0600;
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    for (int copy = 1;; ++copy) {
        const std::filesystem::path backup = folder / backupName(file, when, copy);
        // Names that are taken are passed over before any byte is written;
        // the exclusive rename below still never replaces one taken meanwhile.
        struct stat taken {};
        if (sys::lstat(backup.c_str(), &taken) == 0 && copy < 1000)
            continue;
        try {
            createFileExclusively(backup, bytes, mode, file);
            return backup;
        } catch (const FileError& e) {
            if (e.error() != EEXIST || copy >= 1000)
                throw;
        }
    }
}

} // namespace zoki
