#pragma once

#include <ostream>
#include <string>

#include "cli/cli_command.h"
#include "filetools/file_operation.h"

namespace lumidex::cli {

// The file operation's questions without a screen: an existing target is
// never replaced (said on stderr), a failure is said on stderr and the run
// goes on with the next file.
class CliFileOperationPrompts : public FileOperationPrompts {
 public:
  explicit CliFileOperationPrompts(CliIo& io) : io_(io) {}
  Overwrite AskOverwrite(const std::string& message, const std::string&) override {
    io_.err << "lumidex-cli: " << message.substr(0, message.find('\n')) << " (kept)\n";
    return Overwrite::kNo;
  }
  bool AskContinue(const std::string& message, const std::string&) override {
    io_.err << "lumidex-cli: " << message.substr(0, message.rfind("\n\n")) << "\n";
    return true;
  }

 private:
  CliIo& io_;
};

// "copied N, identical N, kept N, failed N" for stderr.
inline std::string TransferSummary(const TransferReport& report) {
  return "copied " + std::to_string(report.done) + ", identical " +
         std::to_string(report.identical) + ", kept " + std::to_string(report.skipped) +
         ", failed " + std::to_string(report.failed);
}

}  // namespace lumidex::cli
