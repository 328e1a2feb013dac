#include "base/errors.h"

#include <cerrno>
#include <string>

namespace zoki {

namespace {

constexpr const char* kTryAgain = "もう一度お試し下さい。";

std::string folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path().string() : std::string(".");
}

// The program's own causes (the negative codes).
std::string ownCause(const std::filesystem::path& path, int error, std::uintmax_t limit) {
    const std::string file = path.string();
    switch (error) {
    case kNotARegularFile:
        return file + " は通常のファイルではありません (名前付きパイプやデバイスなど)。通常のファイルを選ぶか、" +
               "それを別の場所へ移してから" + kTryAgain;
    case kFileTooLarge:
        return file + " は大きすぎます (" + std::to_string((limit + (1u << 20) - 1) >> 20) +
               " MB まで)。中身を確かめてから" + kTryAgain;
    case kChangedSinceRead:
        return file + " は、ゾキが読み込んだ後に他のプログラムによって変更されました。中身を確かめてから" + kTryAgain;
    case kFileBusy:
        return file + " は、他のゾキか他のプログラムが書き込んでいる最中です。同じデータのゾキを二つ開いていないか" +
               "確かめ、少し待ってから" + kTryAgain;
    case kNoSafeReplace:
    default:
        return "フォルダー " + folderOf(path) + " ではファイルを置き換えられないため、" + file +
               " を安全に書き換えられません (その場で書き換えると、途中で止まったときにファイルが壊れます)。" +
               "フォルダーに書き込めるようにしてから" + kTryAgain;
    }
}

// A cause the system gave, as the user can act on it; empty for one the
// program has no advice for.
std::string systemCause(const std::filesystem::path& path, FileAction action, int error) {
    const std::string file = path.string();
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return file + " を書き込む空き容量が不足しています。空きを作ってから" + kTryAgain;
    case EACCES:
    case EPERM:
        if (action == FileAction::Read)
            return file + " の読み取りの権限がありません。ファイルの権限を確かめてから" + kTryAgain;
        if (action == FileAction::Delete)
            return file + " の削除の権限がありません。フォルダーの権限を確かめてから" + kTryAgain;
        return file + " への書き込みの権限がありません。ファイルとフォルダーの権限を確かめてから" + kTryAgain;
    case EROFS:
        return "フォルダー " + folderOf(path) + " は読み取り専用の場所です。書き込める場所か確かめてから" + kTryAgain;
    case ENOENT:
    case ENOTDIR:
        if (action == FileAction::Read)
            return file + " が見つかりません。ファイルがあるか確かめてから" + kTryAgain;
        return "フォルダー " + folderOf(path) + " が見つかりません。フォルダーがあるか確かめてから" + kTryAgain;
    case EISDIR:
        return file + " には、ファイルの代わりにフォルダーがあります。そのフォルダーを移すか名前を変えてから" +
               kTryAgain;
    case ELOOP:
        return file + " のシンボリック リンクが循環しています。リンク先を確かめてから" + kTryAgain;
    case EBUSY:
    case ETXTBSY:
        return file + " は他のプログラムが使用中です。そのプログラムを閉じてから" + kTryAgain;
    case EIO:
        return file + " の読み書き中にディスクのエラーが起きました。ディスクや接続を確かめてから" + kTryAgain;
    default:
        return {};
    }
}

// The cause as the user can act on it: one sentence naming the file or its
// folder, one saying what to do. The system's own wording never shows.
std::string fileErrorText(const std::filesystem::path& path, FileAction action, int error, std::uintmax_t limit) {
    if (error < 0)
        return ownCause(path, error, limit);
    if (std::string text = systemCause(path, action, error); !text.empty())
        return text;
    const char* verb = "書き込め";
    switch (action) {
    case FileAction::Read:
        verb = "読み込め";
        break;
    case FileAction::Create:
        verb = "作成でき";
        break;
    case FileAction::Delete:
        verb = "削除でき";
        break;
    case FileAction::Write:
        break;
    }
    return path.string() + " を" + verb + "ませんでした (エラー番号 " + std::to_string(error) + ")。" + kTryAgain;
}

} // namespace

FileError::FileError(std::filesystem::path path, FileAction action, int error)
    : FileError(std::move(path), action, error, 0) {}

FileError::FileError(std::filesystem::path path, FileAction action, int error, std::uintmax_t limit)
    : ProgramError(fileErrorText(path, action, error, limit)), path_(std::move(path)), action_(action), error_(error) {}

FileError FileError::tooLarge(std::filesystem::path path, std::uintmax_t limit) {
    return FileError(std::move(path), FileAction::Read, kFileTooLarge, limit);
}

} // namespace zoki
