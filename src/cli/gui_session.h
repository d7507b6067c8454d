#pragma once

// What the drawing commands of lumidex-cli (free layout render, print)
// share: the settings read without writing anything back, and the GUI
// application their fonts need.

#include <QGuiApplication>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/file_store.h"

namespace lumidex::cli {

// The settings file read without writing anything back: loading settings
// notes a first start in them, which must stay for the window to see.
class ReadOnlyFiles : public FileStore {
 public:
  Result<std::string> ReadAll(const std::string& path) override { return RealFileStore().ReadAll(path); }
  Status WriteAtomic(const std::string& path, std::string_view, unsigned) override {
    return Status::Error(CannotCreateMessage(path));
  }
};

// Fonts need a GUI application; without a display the offscreen platform
// serves, as the commands run from scripts and tests. Null when one runs.
std::unique_ptr<QGuiApplication> StartGuiApplication();

}  // namespace lumidex::cli
