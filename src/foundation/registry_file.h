#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/registry_data.h"
#include "foundation/status.h"

namespace lumidex {

// The settings text file: a registry key with its values and subkeys as
// text. Layout, every line ending in CR LF:
//
//   Ｔｓｕｂａｍｅ Registry Text Data Version 1.1     header (any text on read)
//   Lumidex                                          optional tag line
//                                                    empty line before each key
//   [HKEY_CURRENT_USER\Software\Ｔｓｕｂａｍｅ\ルミデクスアルバム]
//   "name"="text"                                    string value
//   "name"=dword:0000001A                            32-bit value, upper-case hex
//   "name"=hex:01,02,03,04,05,06,07,08,09,          binary: break after the 9th
//   0A,0B,0C,0D,0E,0F,10,11,                        byte's comma, then every 8
//   12,13
//   @="text"                                         the unnamed string value
//
// Strings: written trimmed of leading and trailing spaces and control
// characters, "\" doubled, '"' as \"; a text that still holds a line break
// gets a CR LF before its closing quote. Read back: \\ gives \, \" gives ",
// anything else (line breaks too) is taken as it stands; trailing spaces and
// control characters are dropped (not for the unnamed value).
// Key lines name one of the six roots "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
// "HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA";
// a key of any other root is skipped with its values.
// On disk the file is cp932 when the text round-trips, else UTF-8 with the
// byte-order mark, and is read the same way (as album files are), so a file
// this program wrote always reads back exactly.

inline constexpr std::string_view kRegistryTextHeader =
    "Ｔｓｕｂａｍｅ Registry Text Data Version 1.1";
inline constexpr std::string_view kNotRegistryFileMessage =
    "このファイルはレジストリ ファイルでは有りません！！";
// Shown after the file's name when the tag line is not the expected one.
inline constexpr std::string_view kNotExpectedFileSuffix =
    " このファイルは指定されたファイルでは有りません！！";
inline constexpr std::string_view kOpenKeyErrorMessage = "OpenKey Error";
inline constexpr std::string_view kBinaryConversionErrorMessage = "バイナリデータ変換エラー";

// Most bytes one binary value takes on import; further bytes are read and
// dropped.
inline constexpr size_t kMaxBinaryBytes = 2047;

struct RegistryImportOptions {
  std::string pathPrefix;    // put before every key path below its root
  bool onlyNewKeys = false;  // skip keys that already exist
  std::string expectedTag;   // when not empty the tag line must read this
  // When not empty, a key whose path (below its root) does not contain this
  // text is skipped; with a prefix, the path is cut to start at it.
  std::string pathFilter;
  // When not empty, the one key (full path) that may be written; every other
  // key block is skipped. Keeps an import of a foreign file out of the rest
  // of the registry.
  std::string onlyKey;
};

// What an import did. `accepted` is false when the file was refused as a
// whole (then nothing was written); `messages` are the warnings to show, in
// order, each at most once.
struct RegistryImportResult {
  bool accepted = false;
  std::vector<std::string> messages;
};

// The text after "name"= of one value: "\"text\"" (escaped as above),
// "dword:000000C8" or "hex:..." (with the line breaks of the layout).
std::string RegistryValueText(const RegistryValue& value);

// The whole text of the file: header, tag line when `tag` is not empty, and
// for each key an empty line, its key line and its value lines.
std::string RegistryText(const std::vector<const RegistryKey*>& keys, std::string_view tag);

// Reads the text of a settings text file (already decoded) into `registry`.
// `fileName` only names the file in the message of a wrong tag. Never fails
// on bad input: a file that is not of this kind or carries another tag is
// refused; bad digits give kBinaryConversionErrorMessage and the value 0.
RegistryImportResult ImportRegistryText(RegistryData& registry, std::string_view text,
                                        std::string_view fileName,
                                        const RegistryImportOptions& options);

// The decoded text of a settings text file's bytes: cut at the first NUL,
// then UTF-8 when it starts with the byte-order mark, else cp932.
std::string DecodeRegistryFileBytes(std::string_view bytes);

// Writes keys of `registry` to settings text files and reads such files into
// it. Holds references only; `registry` and `store` must outlive it.
class TRegistryFile {
 public:
  explicit TRegistryFile(RegistryData& registry, FileStore& store = RealFileStore())
      : registry_(registry), store_(store) {}

  // Writes `keyPath` (root name, "\", path below the root) and its subkeys to
  // `fileName`, replacing it atomically, with the tag line `tag` when not
  // empty. An empty `keyPath` does nothing. Error kOpenKeyErrorMessage when
  // the key cannot be found; nothing is written then. Error
  // "ファイル %s を作成できません" when the file cannot be written. On every
  // error an old file stays as it was.
  Status ExportKey(const std::string& fileName, std::string_view keyPath, std::string_view tag);

  // Reads `fileName` into the registry (see ImportRegistryText). A file that
  // cannot be read counts as empty and is refused.
  RegistryImportResult ImportFile(const std::string& fileName,
                                  const RegistryImportOptions& options);

 private:
  RegistryData& registry_;
  FileStore& store_;
};

}  // namespace lumidex
