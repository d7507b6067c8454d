#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/long_operation.h"

namespace lumidex {

// One file to bring to one target path (a full path of a file, not a folder).
struct FileTransfer {
  std::string source;
  std::string target;
};

enum class TransferMode { kCopy, kMove };

// What the file operation asks the user. The window answers with message
// boxes; the command line and the tests answer without a screen. Main thread
// only.
class FileOperationPrompts {
 public:
  virtual ~FileOperationPrompts() = default;

  enum class Overwrite { kYes, kYesToAll, kNo, kNoToAll, kCancel };
  // The target of a transfer exists already: OverwriteQuestion(target) under
  // kOverwriteCaption.
  virtual Overwrite AskOverwrite(const std::string& message, const std::string& caption) = 0;
  // A transfer failed with `message` (naming the file); true to go on with
  // the next file, false to stop the run.
  virtual bool AskContinue(const std::string& message, const std::string& caption) = 0;
};

inline constexpr std::string_view kOverwriteCaption = "ファイルの上書き確認";
inline constexpr std::string_view kFileErrorCaption = "ファイル操作のエラー";

// "'<target>' は既に存在します。\n上書きしますか？"
std::string OverwriteQuestion(std::string_view target);
// The question after a failure: the failure's message, an empty line and
// "処理を続けますか？".
std::string ContinueQuestion(std::string_view failure);

// What one run did.
struct TransferReport {
  int done = 0;       // files copied or moved
  int identical = 0;  // transfers whose target is the source file itself
  int skipped = 0;    // targets kept because the user declined to overwrite
  int failed = 0;     // transfers that failed (each message in `errors`)
  bool stopped = false;             // "中止", "キャンセル" or a declined error question
  std::vector<std::string> errors;  // the messages of the failures, in order
  // The transfers that completed, in order (moves: the source is gone).
  std::vector<FileTransfer> completed;
};

// The file operation of the file tools: copies or moves each transfer in
// order, creating missing target folders.
//
// Guarantees, whatever fails and whenever the user stops:
// - A target is written under a temporary name in its folder and renamed
//   into place only when complete, so no half-written target is ever left.
// - An existing target is replaced only after the user said so; the
//   no-replace rename (RENAME_NOREPLACE) also catches a file that appears
//   meanwhile.
// - A move renames within one file system; across file systems it copies,
//   syncs the copy and its folder, and only then unlinks the source. No
//   source is lost: a failure leaves the source in place.
// - Copies keep the source's modification and access times and permission
//   bits. A transfer whose target is the source file itself (same device and
//   inode) is skipped as identical.
// - Only regular files are transferred; a symbolic link to a file brings the
//   file's content (a move renames the link itself within a file system), a
//   link to anything else is refused with a message.
// A failure asks `prompts` whether to go on. `progress` sees Begin(total),
// Step after each transfer (true stops the run after it) and End; a long
// copy also stops when the abort flag is seen, leaving no target for it.
TransferReport TransferFiles(const std::vector<FileTransfer>& transfers, TransferMode mode,
                             FileOperationPrompts& prompts, LongOperation& progress);

// `target` unless it is in `taken`, else the first of name + "-1" + ext,
// name + "-2" + ext, ... (ext: the text from the last "." of the file name)
// not in `taken`; with `checkDisk` a name of an existing file counts as
// taken too. The result is added to `taken`.
std::string DistinctTarget(const std::string& target, std::set<std::string>& taken,
                           bool checkDisk);

}  // namespace lumidex
