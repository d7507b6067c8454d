#include "album/registrable_file.h"

#include "album/album_path.h"
#include "foundation/file_paths.h"
#include "album/registration_prompts.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr std::string_view kImageFilter =
    "すべてのファイル (.jpg.jpeg.bmp.ico.emf.wmf.png.gif.dib)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;"
    "*.png;*.gif;*dib|JPEG イメージファイル (.jpg.jpeg)|*.jpg;*.jpeg|ビットマップ (.bmp.dib)|*.bmp;"
    "*.dib|アイコン (ico)|*.ico|エンハンス メタファイル (emf)|*.emf|メタファイル (wmf)|*.wmf|PNG "
    "(png)|*.png|GIF (gif)|*.gif";

}  // namespace

bool CanStoreAsKey(std::string_view path) {
  return !path.empty() && path.find_first_of("=\r\n") == std::string_view::npos &&
         IsValidUtf8(path);
}

std::string ManagedTypeQuestion(std::string_view extension) {
  return "[ " + std::string(extension) +
         " ] この拡張子のファイルは、管理対象外です。\nこのファイルの管理を行えるようにしますか？";
}

std::string WithManagedTypesPart(std::string_view filter,
                                 const std::vector<std::string>& managedTypes) {
  std::string result(filter.substr(0, filter.find("|追加管理")));
  if (managedTypes.empty()) return result;
  std::string together, patterns;
  for (const auto& extension : managedTypes) {
    together += extension;
    patterns += (patterns.empty() ? "" : ";*") + extension;
  }
  return result + "|追加管理ファイル(" + together + ")|*" + patterns;
}

std::string AddFileDialogFilter(const std::vector<std::string>& managedTypes) {
  return WithManagedTypesPart(kImageFilter, managedTypes);
}

bool RegistrabilityCheck::HasRegistrableType(std::string_view path, const FileTypeLists& types,
                                             bool includeManaged) {
  const std::string extension = ExtensionOf(path);
  if (extension.empty()) return false;
  return FileTypeLists::IsImageType(extension) ||
         (includeManaged && types.IsManagedType(extension));
}

bool RegistrabilityCheck::IsRegistrable(const std::string& path) {
  if (!FileExists(path)) return false;
  const std::string extension = ExtensionOf(path);
  if (extension.empty()) return false;
  if (HasRegistrableType(path, types_, true)) return true;
  bool yes;
  if (remembered_) {
    yes = *remembered_;
  } else {
    const std::string written(ExtensionAsWritten(path));
    const auto answer = prompts_.AskManagedType(written, ManagedTypeQuestion(written));
    yes = answer.yes;
    if (answer.all) remembered_ = yes;
  }
  if (!yes) return false;
  std::vector<std::string> managed = types_.ManagedTypes();
  managed.push_back(extension);
  types_.SetManagedTypes(managed);
  return true;
}

}  // namespace lumidex
