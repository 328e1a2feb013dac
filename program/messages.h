#pragma once

#include <exception>
#include <filesystem>
#include <string>

// Every message the program shows, in one place. A message box joins its
// lines with a single carriage return. The import's texts, built from what
// it read, are in import/import_messages.h; a file's own failure (what failed
// and what to do) is FileError's text (base/errors.h).
namespace zoki::msg {

// Titles.
inline constexpr const char* kWarning = "警告";
inline constexpr const char* kWarningBracketed = "【警告】";
inline constexpr const char* kQuestion = "【質問】";
inline constexpr const char* kWish = "【的中祈願】";

// The end of a reveal.
inline constexpr const char* kKeepResult = "今回の出力結果を履歴に残しますか？";
inline constexpr const char* kMayItWin = "当たりますように(笑)";

// The first start, while data.dat holds no draw.
inline constexpr const char* kOfferImport = "当選データがまだ登録されていません。\r"
                                            "公開されている過去の当選データ (CSV ファイル) を今すぐ取り込みますか？\r"
                                            "後からでも「データ」→「当選データ取込」で取り込めます。";

// No kept sets (warning A) and no draws (warning B): the history window,
// the match search and the hit history report.
inline constexpr const char* kNoHistory =
    "履歴データが登録されていません。\r最低一回以上の出力結果を履歴として残して下さい。";
inline constexpr const char* kNoDraws =
    "当選データが登録されていません。\r追加するか、データファイルを差し替えて下さい。";

// The prediction report with an empty board.
inline constexpr const char* kPredictFirst = "先にデータ予想を実行して下さい。";

// Exclusion ranges that would leave fewer than six numbers.
inline constexpr const char* kEveryRangeExcluded = "全ての予測範囲指定項目に対してチェックを入れることはできません。";
// "40～43の予測範囲指定のみで…": the ranges that would be left alone.
std::string onlyRangesLeft(const std::string& ranges);

// The registration's checks; each text ends with one blank.
inline constexpr const char* kBlankField = "入力された数値に空欄が発見されました。 ";
inline constexpr const char* kNotDigits = "数値以外が入力された可能性があります。 ";
std::string outOfRange(); // "数値が範囲内にありません。【1 - 43】 "
inline constexpr const char* kDuplicate = "入力された数値に重複が発見されました。 ";
std::string drawFileFull(); // data.dat holds its 32767 lines
// The seven numbers are those of the latest draw, number `latest`: asked
// before a double entry is stored.
std::string sameAsLatestDraw(int latest);

// A file failure is told as what failed, the file's own reason, and what
// that means for the user's data.
inline constexpr const char* kDrawFileNotRead = "当選データファイル (data.dat) を読み込めませんでした。";
inline constexpr const char* kDrawFileNotSaved = "当選データファイル (data.dat) に保存できませんでした。";
inline constexpr const char* kDrawFileNotRewritten = "当選データファイル (data.dat) を書き換えられませんでした。";
inline constexpr const char* kHistoryNotSaved = "出力履歴ファイル (OutData.dat) に保存できませんでした。";
inline constexpr const char* kHistoryNotErased = "出力履歴ファイル (OutData.dat) を消去できませんでした。";
inline constexpr const char* kHistoryNotRead = "出力履歴ファイル (OutData.dat) を読み込めませんでした。";
inline constexpr const char* kReportUnencodable = "レポートに Shift_JIS で書けない文字があります。";
inline constexpr const char* kReportNotSaved = "レポートを保存できませんでした。";
inline constexpr const char* kNotRegistered = "登録は行われていません。";
inline constexpr const char* kFileUnchanged = "ファイルは変更されていません。";
inline constexpr const char* kHistoryUnchanged = "履歴は変更されていません。";
inline constexpr const char* kNothingWritten = "ファイルには何も書き込まれていません。";
inline constexpr const char* kDrawFileLeftAlone = "読み込めるようになるまで、ゾキは data.dat に何も書き込みません。";
inline constexpr const char* kHistoryLeftAlone =
    "出力履歴なしで起動しました。読み込めるようになるまで、ゾキは OutData.dat に何も書き込みません。";
std::string fileFailure(const char* what, const std::string& reason, const char* consequence = nullptr);

// "zoki --help": what the program is, how it starts and where its two data
// files are, in lines ended by "\n".
std::string usage(const std::filesystem::path& drawFile, const std::filesystem::path& historyFile);

// A fault that stops a command, or the start-up.
inline constexpr const char* kStopped = "処理を続けられませんでした。";
inline constexpr const char* kCannotStart = "ゾキを起動できません。";
// Started without a window system: one line on the terminal.
inline constexpr const char* kNoDisplay =
    "zoki: 画面が見つかりません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。"
    "デスクトップの中で起動して下さい。\n";
// A second start on the same data folder, when the running copy does not
// answer its call to come to the front.
inline constexpr const char* kAlreadyRunning =
    "ゾキはこのフォルダーのデータで既に動いています。\r動いているゾキのウィンドウを使って下さい。";
// The running copy took the call but gave no answer: stopped or hung.
inline constexpr const char* kRunningButNotAnswering =
    "ゾキはこのフォルダーのデータで既に動いていますが、応答していません。\r"
    "動いているゾキを閉じて (閉じられないときはシステム モニターなどで終了させて)、もう一度起動して下さい。";
// Told once at start-up where nothing keeps a second copy off the folder
// (a network folder without locks, a folder that cannot be opened).
inline constexpr const char* kFolderUnguarded =
    "このフォルダーでは、ゾキがほかにも動いているかを確かめられません (ネットワーク上のフォルダーなど)。\r"
    "同じデータのゾキを二つ同時に使わないで下さい。ほかのコンピューターやウィンドウでこのデータのゾキが"
    "動いていれば、先にそちらを閉じて下さい。";

// What the user reads about a fault: what happened and what to do. A file's
// or the code page's fault already says so, naming its file; its text is
// shown as it is. No other fault's own text reaches the user.
std::string failureText(const std::exception& e);
// kStopped and the fault, for a command it stopped.
std::string stoppedMessage(const std::exception& e);
// kCannotStart, the fault and the program's data folder.
std::string cannotStartMessage(const std::exception& e, const std::filesystem::path& folder);

} // namespace zoki::msg
