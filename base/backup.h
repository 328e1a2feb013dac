#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace zoki {

// The name of a backup of `file` made at `when` (local time):
// "data.dat.20261208-153012.bak"; `copy` 2 and on for a second backup in the
// same second: "data.dat.20261208-153012-2.bak".
std::string backupName(const std::filesystem::path& file, std::time_t when, int copy = 1);

// Keeps `bytes`, what `file` held, as a new backup beside it, named by
// backupName. A backup is never overwritten: a name that is taken moves on
// to the next copy number. It has the file's permission bits, and appears
// whole or not at all. Returns its path; throws FileError.
std::filesystem::path keepBackup(const std::filesystem::path& file, std::string_view bytes, std::time_t when);

} // namespace zoki
