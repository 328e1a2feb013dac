#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoki {

namespace detail {

// Bit i is set when byte i of the block is a CR or an LF; n is at most 64.
std::uint64_t lineEndBits(const char* block, std::size_t n);

} // namespace detail

// Calls f with each line of file content; a line ends at CR LF, a lone CR
// or a lone LF, the line end is not part of the text and a last line without
// one still counts. The line ends of 64 bytes are found at once, so that
// finding one line does not wait for the line before: the data files hold
// tens of thousands of lines of one or two digits.
template <class F> void forEachLine(std::string_view content, F&& f) {
    const char* const text = content.data();
    const std::size_t size = content.size();
    std::size_t lineStart = 0;
    for (std::size_t block = 0; block < size; block += 64) {
        std::uint64_t ends = detail::lineEndBits(text + block, std::min<std::size_t>(64, size - block));
        while (ends != 0) {
            const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(ends));
            ends &= ends - 1;
            if (at < lineStart)
                continue; // the LF of a CR LF
            f(std::string_view(text + lineStart, at - lineStart));
            lineStart = at + 1;
            if (text[at] == '\r' && lineStart < size && text[lineStart] == '\n')
                ++lineStart;
        }
    }
    if (lineStart < size)
        f(std::string_view(text + lineStart, size - lineStart));
}

// The lines of file content, as forEachLine gives them.
std::vector<std::string> splitLines(std::string_view content);

// Reads raw bytes; throws FileError.
std::string readBytes(const std::filesystem::path& path);

// Each line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// The data files' text: lines of the system code page (CP932) decoded to
// UTF-8. A byte that does not decode is kept (see fromShiftJis), so writing
// the lines back with textFileBytes gives the bytes that were read. Throws
// FileError (naming the file and the reason) when it cannot be read;
// std::nullopt when it does not exist.
std::optional<std::vector<std::string>> readTextLinesIfExists(const std::filesystem::path& path);

// Same, but a missing file is a FileError too.
std::vector<std::string> readTextLines(const std::filesystem::path& path);

// The whole of such a file, decoded; throws FileError.
std::string readText(const std::filesystem::path& path);

// Each line followed by CR LF, in the system code page; throws EncodingError.
std::string textFileBytes(const std::vector<std::string>& lines);

// The file a path really names: symbolic links followed, chains included, a
// relative link read from the folder that holds it. A link to nothing names
// the file it would create. Throws FileError (ELOOP) for a chain that loops.
std::filesystem::path resolveLinks(const std::filesystem::path& path);

// Replaces the file atomically: the bytes go to a temporary file beside the
// real file (a symbolic link is written through, never replaced), which
// takes the old file's permission bits (and owner and group where the
// process may set them), is flushed to disk and renamed over the old file;
// the folder is then flushed too. On any failure the old file is untouched,
// the temporary file removed, and FileError thrown. Temporary files that
// earlier saves of the same file left when they were killed are removed
// first.
//
// A folder that cannot be written, holding a file that can: the file is
// rewritten in place from the first byte that differs, so a save that adds
// to the end never overwrites the old bytes, and a crash leaves them whole.
// A save that changes earlier bytes or shortens the file has no such
// shelter: a crash between its write and its cut to length can leave the
// new bytes followed by the end of the old ones. A failed write puts the old
// content back from memory before FileError is thrown.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates an empty file unless one exists (never overwrites; a link to
// nothing gets its file). Throws FileError.
void createEmptyIfMissing(const std::filesystem::path& path);

// Test hook: when set, the next saves fail as a full disk would; a rewrite in
// place fails after writing half of its changed bytes.
struct WriteFaultInjection {
    static void failNextWrites(int count);
};

// The points of a save where a test can stop the process, as a crash would.
enum class SaveStep {
    TemporaryWritten, // the new bytes are in the temporary file, not flushed
    TemporaryFlushed, // the temporary file is complete, flushed and closed
    Renamed,          // it has taken the file's name
    FolderFlushed,    // the folder is flushed: the save is done
    InPlaceWritten,   // rewrite in place: the changed bytes are written
    InPlaceFlushed,   // rewrite in place: cut to length and flushed, done
};

// Test hook: called at each step with the real file being saved.
struct SaveStepHook {
    static void set(std::function<void(SaveStep, const std::filesystem::path&)> hook);
};

} // namespace zoki
