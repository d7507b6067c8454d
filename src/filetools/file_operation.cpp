#include "filetools/file_operation.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "album/album_path.h"
#include "foundation/data_folders.h"
#include "foundation/durable_io.h"
#include "foundation/file_paths.h"

namespace lumidex {
namespace {

constexpr std::string_view kTempPrefix = ".lumidex-copy-";
constexpr size_t kChunk = 8u << 20;  // bytes copied between two looks at the abort flag

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // Closes now; false when close reports a write error (NFS, a full disk).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The reason of a failure in the user's words.
std::string ReasonText(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return "ディスクの空き容量が足りません。";
    case EACCES:
    case EPERM:
    case EROFS:
      return "書き込みが許可されていません。";
    case ENOENT:
      return "ファイルが見つかりません。";
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
      return "この名前はコピー先で使えません。";
    case EISDIR:
    case ENOTDIR:
      return "フォルダと同じ名前です。";
    default:
      return std::strerror(error);
  }
}

std::string FailureText(std::string_view what, std::string_view path, int error) {
  return std::string(what) + ": " + std::string(path) + "\n" + ReasonText(error);
}

// A temporary file in `folder` for the target, or -1 with errno set.
int MakeTemp(const std::string& folder, std::string& tempPath) {
  std::string pattern = WithTrailingSlash(folder) + std::string(kTempPrefix) + "XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd >= 0) tempPath = pattern;
  return fd;
}

// Copies the bytes of `in` to `out`; stops with ECANCELED when `progress`
// reports an abort between chunks. Returns 0 or an errno value.
int CopyBytes(int in, int out, off_t size, LongOperation& progress) {
  off_t left = size;
  while (left > 0) {
    const size_t want = static_cast<size_t>(std::min<off_t>(left, static_cast<off_t>(kChunk)));
    ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, want, 0);
    if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
      n = ::sendfile(out, in, nullptr, want);
    }
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) break;  // the source shrank meanwhile: copy what there is
    left -= n;
    if (left > 0 && progress.AbortRequested()) return ECANCELED;
  }
  // A source that grew meanwhile: copy the rest too.
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return 0;
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w < 0) return errno;
      done += w;
    }
  }
}

// One run: the answers that hold for the rest of it and the report.
class Transfer {
 public:
  Transfer(TransferMode mode, FileOperationPrompts& prompts, LongOperation& progress)
      : mode_(mode), prompts_(prompts), progress_(progress) {}

  // Handles one transfer; false when the run must stop.
  bool Run(const FileTransfer& item);
  TransferReport& report() { return report_; }

 private:
  enum class Step { kDone, kSkipped, kFailed, kStop };
  Step Do(const FileTransfer& item);
  // Asks about an existing target: nullopt to stop, false to keep it.
  std::optional<bool> MayReplace(const std::string& target);
  Step Fail(std::string message);
  // Writes a complete copy of `source` beside `target` and renames it into
  // place (replacing only when `replace`). `sync`: the copy and its folder
  // reach the disk before this returns.
  Step CopyInto(const std::string& source, const struct stat& sourceInfo,
                const std::string& target, bool replace, bool sync);
  Step PlaceTemp(const std::string& temp, const std::string& target, bool replace);

  const TransferMode mode_;
  FileOperationPrompts& prompts_;
  LongOperation& progress_;
  std::optional<bool> replaceAll_;  // set by "all" answers
  bool stop_ = false;
  TransferReport report_;
};

Transfer::Step Transfer::Fail(std::string message) {
  ++report_.failed;
  report_.errors.push_back(message);
  if (!prompts_.AskContinue(ContinueQuestion(message), std::string(kFileErrorCaption))) {
    stop_ = true;
    return Step::kStop;
  }
  return Step::kFailed;
}

std::optional<bool> Transfer::MayReplace(const std::string& target) {
  if (replaceAll_) return *replaceAll_;
  switch (prompts_.AskOverwrite(OverwriteQuestion(target), std::string(kOverwriteCaption))) {
    case FileOperationPrompts::Overwrite::kYes:
      return true;
    case FileOperationPrompts::Overwrite::kYesToAll:
      replaceAll_ = true;
      return true;
    case FileOperationPrompts::Overwrite::kNo:
      return false;
    case FileOperationPrompts::Overwrite::kNoToAll:
      replaceAll_ = false;
      return false;
    case FileOperationPrompts::Overwrite::kCancel:
      break;
  }
  return std::nullopt;
}

Transfer::Step Transfer::PlaceTemp(const std::string& temp, const std::string& target,
                                   bool replace) {
  int result = replace ? ::rename(temp.c_str(), target.c_str())
                       : ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(),
                                     RENAME_NOREPLACE);
  if (result != 0 && !replace && (errno == EINVAL || errno == ENOSYS)) {
    // A file system without RENAME_NOREPLACE: link() never replaces either.
    result = ::link(temp.c_str(), target.c_str());
    if (result == 0) ::unlink(temp.c_str());
  }
  if (result == 0) return Step::kDone;
  const int error = errno;
  ::unlink(temp.c_str());
  if (error == EEXIST) {
    // Appeared meanwhile: ask as for any existing target.
    return Fail(FailureText("コピー先に同じ名前のファイルがあります", target, error));
  }
  return Fail(FailureText("ファイルを作成できません", target, error));
}

Transfer::Step Transfer::CopyInto(const std::string& source, const struct stat& sourceInfo,
                                  const std::string& target, bool replace, bool sync) {
  Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!in.ok()) return Fail(FailureText("ファイルを開けません", source, errno));
  struct stat opened {};
  if (::fstat(in.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
      opened.st_ino != sourceInfo.st_ino || opened.st_dev != sourceInfo.st_dev) {
    return Fail(FailureText("ファイルを開けません", source, ENOENT));
  }
  std::string temp;
  Fd out(MakeTemp(FolderOf(target), temp));
  if (!out.ok()) return Fail(FailureText("ファイルを作成できません", target, errno));
  int error = CopyBytes(in.get(), out.get(), opened.st_size, progress_);
  if (error == 0) {
    const struct timespec times[2] = {opened.st_atim, opened.st_mtim};
    ::fchmod(out.get(), opened.st_mode & 07777);
    if (::futimens(out.get(), times) != 0) error = errno;
  }
  if (error == 0 && sync && ::fsync(out.get()) != 0) error = errno;
  if (!out.Close() && error == 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    if (error == ECANCELED) {
      stop_ = true;
      return Step::kStop;
    }
    return Fail(FailureText("ファイルをコピーできません", target, error));
  }
  const Step placed = PlaceTemp(temp, target, replace);
  if (placed == Step::kDone && sync && !SyncFolder(FolderOf(target))) {
    return Fail(FailureText("ファイルを作成できません", target, errno));
  }
  return placed;
}

Transfer::Step Transfer::Do(const FileTransfer& item) {
  struct stat link {};
  if (::lstat(item.source.c_str(), &link) != 0) {
    return Fail(FailureText("ファイルが見つかりません", item.source, errno));
  }
  struct stat info {};
  if (::stat(item.source.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return Fail(FailureText("通常のファイルではありません", item.source, EISDIR));
  }
  bool replace = false;
  struct stat existing {};
  if (::lstat(item.target.c_str(), &existing) == 0) {
    struct stat resolved {};
    const bool same = ::stat(item.target.c_str(), &resolved) == 0 &&
                      resolved.st_dev == info.st_dev && resolved.st_ino == info.st_ino;
    if (same) {
      ++report_.identical;
      return Step::kSkipped;
    }
    if (S_ISDIR(existing.st_mode)) {
      return Fail(FailureText("ファイルを作成できません", item.target, EISDIR));
    }
    const std::optional<bool> answer = MayReplace(item.target);
    if (!answer) {
      stop_ = true;
      return Step::kStop;
    }
    if (!*answer) {
      ++report_.skipped;
      return Step::kSkipped;
    }
    replace = true;
  }
  const std::string folder = FolderOf(item.target);
  if (!FolderExists(folder) && !MakeFolders(folder)) {
    return Fail(FailureText("フォルダを作成できません", folder, errno ? errno : EACCES));
  }
  if (mode_ == TransferMode::kCopy) return CopyInto(item.source, info, item.target, replace, false);

  // A move: a rename within one file system moves the entry itself (a link
  // stays a link).
  const int renamed = replace ? ::rename(item.source.c_str(), item.target.c_str())
                              : ::renameat2(AT_FDCWD, item.source.c_str(), AT_FDCWD,
                                            item.target.c_str(), RENAME_NOREPLACE);
  if (renamed == 0) return Step::kDone;
  if (errno == EEXIST) return Fail(FailureText("コピー先に同じ名前のファイルがあります", item.target, errno));
  if (errno != EXDEV && errno != EINVAL && errno != ENOSYS) {
    return Fail(FailureText("ファイルを移動できません", item.source + " → " + item.target, errno));
  }
  const Step copied = CopyInto(item.source, info, item.target, replace, true);
  if (copied != Step::kDone) return copied;
  // The copy is complete and on disk; only now the source may go.
  if (::unlink(item.source.c_str()) != 0) {
    return Fail(FailureText("移動元のファイルを削除できません（コピーは完了しています）",
                            item.source, errno));
  }
  return Step::kDone;
}

bool Transfer::Run(const FileTransfer& item) {
  const Step step = Do(item);
  if (step == Step::kDone) {
    ++report_.done;
    report_.completed.push_back(item);
  }
  return !stop_;
}

}  // namespace

std::string OverwriteQuestion(std::string_view target) {
  return "'" + std::string(target) + "' は既に存在します。\n上書きしますか？";
}

std::string ContinueQuestion(std::string_view failure) {
  return std::string(failure) + "\n\n処理を続けますか？";
}

TransferReport TransferFiles(const std::vector<FileTransfer>& transfers, TransferMode mode,
                             FileOperationPrompts& prompts, LongOperation& progress) {
  Transfer run(mode, prompts, progress);
  progress.Begin(static_cast<int>(transfers.size()));
  int done = 0;
  for (const auto& item : transfers) {
    if (!run.Run(item)) {
      run.report().stopped = true;
      break;
    }
    if (progress.Step(++done, item.source)) {
      run.report().stopped = done < static_cast<int>(transfers.size());
      break;
    }
  }
  progress.End();
  return std::move(run.report());
}

std::string DistinctTarget(const std::string& target, std::set<std::string>& taken,
                           bool checkDisk) {
  auto free = [&](const std::string& path) {
    if (taken.contains(path)) return false;
    struct stat info {};
    return !checkDisk || ::lstat(path.c_str(), &info) != 0;
  };
  std::string result = target;
  if (!free(result)) {
    const std::string_view name = FileNameOf(target);
    const size_t dot = name.rfind('.');
    const size_t cut = target.size() - name.size() + (dot == 0 || dot == std::string_view::npos ? name.size() : dot);
    const std::string stem = target.substr(0, cut);
    const std::string extension = target.substr(cut);
    for (int n = 1;; ++n) {
      result = stem + "-" + std::to_string(n) + extension;
      if (free(result)) break;
    }
  }
  taken.insert(result);
  return result;
}

}  // namespace lumidex
