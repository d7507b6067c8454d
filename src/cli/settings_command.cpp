// lumidex-cli settings: the settings store as a settings text file, and one
// value of it as the store holds it.
#include <ostream>

#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "foundation/pending_settings_import.h"
#include "foundation/registry_file.h"
#include "foundation/settings_store.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunSettings(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kSettingsUsage =
    "  lumidex-cli settings export FILE   write the settings text file (tag line \"Lumidex\")\n"
    "  lumidex-cli settings import FILE   import a settings text file as at start\n"
    "  lumidex-cli settings get NAME      print one value: \"text\", dword:XXXXXXXX or hex:...\n"
    "                                     (line breaks of the value as LF)\n";
const CliRegistration kSettings({"settings", kSettingsUsage,
                                 "export, import or read the program's settings", RunSettings});

int Export(SettingsStore& store, const std::string& file, CliIo& io) {
  const Status status = store.Export(file);
  if (status.ok()) return kExitOk;
  io.err << "lumidex-cli: " << status.message() << "\n";
  if (status.message() == kOpenKeyErrorMessage) {
    io.err << "lumidex-cli: no settings have been stored yet; " << file << " was not written\n";
  }
  return kExitFailed;
}

int Import(SettingsStore& store, const std::string& file, CliIo& io) {
  // The window writes the settings at its exit: an import while it runs
  // would be overwritten, so importing is a change like any other.
  const auto lock = TakeWriterLock(io);
  if (lock == nullptr) return kExitFailed;
  const SettingsImportResult result = ImportSettingsFile(store, file);
  for (const auto& message : result.messages) io.err << "lumidex-cli: " << message << "\n";
  return result.accepted ? kExitOk : kExitFailed;
}

int Get(SettingsStore& store, const std::string& name, CliIo& io) {
  Result<RegistryData> data = store.Read();
  if (!data.ok()) {
    io.err << "lumidex-cli: " << data.status().message() << "\n";
    return kExitFailed;
  }
  const RegistryKey* key = data.value().FindKey(kSettingsKeyPath);
  const RegistryValue* value = key != nullptr ? key->Find(name) : nullptr;
  if (value == nullptr) {
    io.err << "lumidex-cli: 設定値 " << name << " はありません\n";
    return kExitFailed;
  }
  io.out << WithLfLineEnds(RegistryValueText(*value)) << "\n";
  return kExitOk;
}

int RunSettings(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() != 2 || args[1].empty()) {
    return UsageError(io, kSettingsUsage, "settings takes an action and one argument");
  }
  SettingsStore store(SettingsFilePath(platform::SettingsFolder()));
  const std::string& action = args[0];
  if (action == "export") return Export(store, args[1], io);
  if (action == "import") return Import(store, args[1], io);
  if (action == "get") return Get(store, args[1], io);
  return UsageError(io, kSettingsUsage, "unknown settings action '" + action + "'");
}

}  // namespace
}  // namespace lumidex::cli
