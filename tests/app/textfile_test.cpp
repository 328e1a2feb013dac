#include "app/errors.h"
#include "app/textfile.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace zoki {
namespace {

using Lines = std::vector<std::string>;
using test::TempFolder;

int filesIn(const TempFolder& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path()))
        ++n;
    return n;
}

TEST(SplitLines, EveryLineEndEndsALine) {
    struct Case {
        const char* name;
        std::string content;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"no final line end", "a\r\nb", {"a", "b"}},
        {"empty lines", "\r\n\r\na\r\n\r\n", {"", "", "a", ""}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"blanks kept", " a \r\n", {" a "}},
        {"empty content", "", {}},
        {"one line end", "\r\n", {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitLines(c.content), c.lines) << c.name;
}

TEST(JoinLines, EndsEveryLineWithCrLf) {
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(joinLines({}), "");
    EXPECT_EQ(splitLines(joinLines({"7", " 8", ""})), (Lines{"7", " 8", ""}));
}

TEST(ReadLines, MissingFilesAndFolders) {
    TempFolder folder;
    EXPECT_EQ(readLinesIfExists(folder / "none.dat"), std::nullopt);
    EXPECT_THROW(readLines(folder / "none.dat"), FileError);
    std::filesystem::create_directory(folder / "dir.dat");
    EXPECT_THROW(readLinesIfExists(folder / "dir.dat"), FileError);
    folder.write("a.dat", "1\r\n2");
    EXPECT_EQ(readLines(folder / "a.dat"), (Lines{"1", "2"}));
}

TEST(ReplaceFileAtomically, ReplacesOrCreatesTheWholeFile) {
    TempFolder folder;
    replaceFileAtomically(folder / "a.dat", "1\r\n");
    EXPECT_EQ(folder.read("a.dat"), "1\r\n");
    replaceFileAtomically(folder / "a.dat", "");
    EXPECT_EQ(folder.read("a.dat"), "");
    EXPECT_EQ(filesIn(folder), 1);
}

TEST(ReplaceFileAtomically, AFailureLeavesTheOldFileAndNoLeftovers) {
    TempFolder folder;
    folder.write("a.dat", "old\r\n");
    WriteFaultInjection::failNextWrites(1);
    EXPECT_THROW(replaceFileAtomically(folder / "a.dat", "new\r\n"), FileError);
    EXPECT_EQ(folder.read("a.dat"), "old\r\n");
    EXPECT_EQ(filesIn(folder), 1);
    // Only the next write failed.
    replaceFileAtomically(folder / "a.dat", "new\r\n");
    EXPECT_EQ(folder.read("a.dat"), "new\r\n");
}

TEST(ReplaceFileAtomically, UnwritablePlacesThrow) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "dir.dat");
    EXPECT_THROW(replaceFileAtomically(folder / "dir.dat", "x"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.dat"));
    EXPECT_THROW(replaceFileAtomically(folder / "missing" / "a.dat", "x"), FileError);
    if (::geteuid() != 0) {
        folder.write("a.dat", "old");
        std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        EXPECT_THROW(replaceFileAtomically(folder / "a.dat", "new"), FileError);
        EXPECT_EQ(folder.read("a.dat"), "old");
    }
}

TEST(CreateEmptyIfMissing, NeverOverwrites) {
    TempFolder folder;
    createEmptyIfMissing(folder / "a.dat");
    EXPECT_EQ(folder.read("a.dat"), "");
    folder.write("a.dat", "7\r\n");
    createEmptyIfMissing(folder / "a.dat");
    EXPECT_EQ(folder.read("a.dat"), "7\r\n");
    EXPECT_THROW(createEmptyIfMissing(folder / "missing" / "a.dat"), FileError);
}

} // namespace
} // namespace zoki
