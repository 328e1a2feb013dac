#include "base/atomic_save.h"
#include "base/errors.h"
#include "base/syscalls.h"
#include "base/textfile.h"
#include "support/fakes.h"
#include "support/message_checks.h"

#include <gtest/gtest.h>

#include <cerrno>
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

// Line ends are found 64 bytes at a time: whatever the lengths of the lines
// and wherever a CR LF falls against those blocks, the lines are the ones a
// byte-by-byte reading gives.
TEST(SplitLines, AgreesWithAByteByByteReadingAcrossBlocks) {
    const auto byteByByte = [](const std::string& content) {
        Lines lines;
        std::string line;
        for (std::size_t i = 0; i < content.size(); ++i) {
            if (content[i] != '\r' && content[i] != '\n') {
                line += content[i];
                continue;
            }
            lines.push_back(line);
            line.clear();
            if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
        }
        if (!line.empty())
            lines.push_back(line);
        return lines;
    };
    const char alphabet[] = {'1', '7', ' ', 'x', '\r', '\n', '\r', '\0'};
    unsigned state = 12345;
    for (int round = 0; round < 400; ++round) {
        std::string content;
        const int length = round % 200;
        for (int i = 0; i < length; ++i) {
            state = state * 1103515245u + 12345u;
            // Every other round lines are long, so that some span whole blocks.
            const unsigned pick = (state >> 16) % (round % 2 == 0 ? 8u : 40u);
            content += pick < 8 ? alphabet[pick] : '9';
        }
        EXPECT_EQ(splitLines(content), byteByByte(content)) << round;
    }
    // A CR LF split by the edge of a block is one line end.
    const std::string edge = std::string(63, '7') + "\r\n8\r\n";
    EXPECT_EQ(splitLines(edge), (Lines{std::string(63, '7'), "8"}));
    EXPECT_EQ(splitLines(std::string(64, '7') + "\r"), Lines{std::string(64, '7')});
    EXPECT_EQ(splitLines(std::string(130, '\n')), Lines(130));
}

TEST(JoinLines, EndsEveryLineWithCrLf) {
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(joinLines({}), "");
    EXPECT_EQ(splitLines(joinLines({"7", " 8", ""})), (Lines{"7", " 8", ""}));
}

TEST(ReadLines, MissingFilesAndFolders) {
    TempFolder folder;
    EXPECT_EQ(readTextLinesIfExists(folder / "none.dat", 100), std::nullopt);
    EXPECT_THROW(readTextLines(folder / "none.dat", 100), FileError);
    std::filesystem::create_directory(folder / "dir.dat");
    EXPECT_THROW(readTextLinesIfExists(folder / "dir.dat", 100), FileError);
    folder.write("a.dat", "1\r\n2");
    EXPECT_EQ(readTextLines(folder / "a.dat", 100), (Lines{"1", "2"}));
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
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    EXPECT_THROW(replaceFileAtomically(folder / "a.dat", "new\r\n"), FileError);
    EXPECT_EQ(folder.read("a.dat"), "old\r\n");
    EXPECT_EQ(filesIn(folder), 1);
    sys::Faults::reset();
    replaceFileAtomically(folder / "a.dat", "new\r\n");
    EXPECT_EQ(folder.read("a.dat"), "new\r\n");
}

// The steps that make a save survive a crash or a rival, each checked where
// it shows: the new bytes reach the disk before they take the file's name,
// the name reaches the disk before the save is done, and a file that appears
// while a save creates it is never replaced.
TEST(ReplaceFileAtomically, FlushesBeforeAndAfterTheRenameAndNeverReplacesANewcomer) {
    {
        TempFolder folder;
        folder.write("a.dat", "old\r\n");
        sys::Faults::failNth(sys::Call::Fsync, 1, EIO);
        EXPECT_THROW(replaceFileAtomically(folder / "a.dat", "new\r\n"), FileError);
        sys::Faults::reset();
        EXPECT_EQ(folder.read("a.dat"), "old\r\n");
        EXPECT_EQ(filesIn(folder), 1);
    }
    {
        TempFolder folder;
        int atRename = -1;
        int atDone = -1;
        sys::Faults::onStep([&](sys::SaveStep step, const std::filesystem::path&) {
            if (step == sys::SaveStep::Renamed)
                atRename = sys::Faults::count(sys::Call::Fsync);
            if (step == sys::SaveStep::FolderFlushed)
                atDone = sys::Faults::count(sys::Call::Fsync);
        });
        replaceFileAtomically(folder / "a.dat", "new\r\n");
        sys::Faults::reset();
        EXPECT_EQ(atDone, atRename + 1) << "the folder holding the new name was not flushed";
    }
    {
        TempFolder folder;
        sys::Faults::onStep([&](sys::SaveStep step, const std::filesystem::path&) {
            if (step == sys::SaveStep::TemporaryFlushed)
                folder.write("a.dat", "theirs\r\n");
        });
        try {
            replaceFileAtomically(folder / "a.dat", "new\r\n");
            ADD_FAILURE() << "a file that appeared meanwhile was replaced";
        } catch (const FileError& e) {
            EXPECT_EQ(e.error(), kChangedSinceRead);
        }
        sys::Faults::reset();
        EXPECT_EQ(folder.read("a.dat"), "theirs\r\n");
        EXPECT_EQ(filesIn(folder), 1);
    }
}

TEST(ReplaceFileAtomically, UnwritablePlacesThrow) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "dir.dat");
    EXPECT_THROW(replaceFileAtomically(folder / "dir.dat", "x"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.dat"));
    EXPECT_THROW(replaceFileAtomically(folder / "missing" / "a.dat", "x"), FileError);
    if (::geteuid() != 0) {
        // A closed folder: its writable file is rewritten in place, a
        // read-only one is refused.
        folder.write("a.dat", "old");
        std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        replaceFileAtomically(folder / "a.dat", "older");
        EXPECT_EQ(folder.read("a.dat"), "older");
        std::filesystem::permissions(folder / "a.dat", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        EXPECT_THROW(replaceFileAtomically(folder / "a.dat", "new"), FileError);
        EXPECT_EQ(folder.read("a.dat"), "older");
    }
}

// What the user reads: the file or its folder, the cause and the remedy in
// Japanese, never the system's English.
TEST(FileError, SaysInJapaneseWhatFailedAndWhatToDo) {
    struct Case {
        int error;
        FileAction action;
        std::string text;
    };
    const std::string file = "/home/u/zoki/data.dat";
    for (const Case& c : {
             Case{ENOSPC, FileAction::Write, file + " を書き込む空き容量が不足しています。空きを作ってから"},
             Case{EDQUOT, FileAction::Create, file + " を書き込む空き容量が不足しています。"},
             Case{EACCES, FileAction::Write,
                  file + " への書き込みの権限がありません。ファイルとフォルダーの権限を確かめて"},
             Case{EPERM, FileAction::Create, file + " への書き込みの権限がありません。"},
             Case{EACCES, FileAction::Read, file + " の読み取りの権限がありません。"},
             Case{EACCES, FileAction::Delete, file + " の削除の権限がありません。"},
             Case{EROFS, FileAction::Write, "フォルダー /home/u/zoki は読み取り専用の場所です。"},
             Case{ENOENT, FileAction::Write, "フォルダー /home/u/zoki が見つかりません。フォルダーがあるか確かめて"},
             Case{ENOENT, FileAction::Read, file + " が見つかりません。"},
             Case{EISDIR, FileAction::Write, file + " には、ファイルの代わりにフォルダーがあります。"},
             Case{ELOOP, FileAction::Write, file + " のシンボリック リンクが循環しています。"},
             Case{EIO, FileAction::Read, file + " の読み書き中にディスクのエラーが起きました。"},
             Case{EMFILE, FileAction::Read,
                  file + " を読み込めませんでした (エラー番号 " + std::to_string(EMFILE) + ")。"},
             Case{EFBIG, FileAction::Delete,
                  file + " を削除できませんでした (エラー番号 " + std::to_string(EFBIG) + ")。"},
         }) {
        const FileError e(file, c.action, c.error);
        const std::string what = e.what();
        EXPECT_EQ(what.rfind(c.text, 0), 0U) << what;
        EXPECT_NE(what.find("もう一度お試し下さい。"), std::string::npos) << what;
        EXPECT_EQ(test::lettersBeyondNames(what, {file, "/home/u/zoki"}), "") << what;
        EXPECT_EQ(e.path(), file);
        EXPECT_EQ(e.error(), c.error);
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
