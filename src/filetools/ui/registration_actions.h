#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "album/entry_registration.h"
#include "filetools/auto_registration.h"

class QWidget;

namespace lumidex {

class AlbumStore;
class FileTypeLists;
class LongOperation;
struct Settings;

// What the window's registration commands work with; everything is owned by
// the main window and outlives each call.
struct RegistrationContext {
  QWidget* window;
  AlbumStore& store;
  FileTypeLists& types;
  Settings& settings;
  LongOperation& progress;
  EntryRegistration& registration;
  // Shows a text in the status bar's third panel ("hit files > 1,234").
  std::function<void(const QString&)> showStatus;
  // Opens the help topic (the dialog's help button).
  std::function<void(const QString&)> showHelp;
};

// The filter text of the album ("desc|*.a;*.b|desc2|*.c") in the form of
// QFileDialog ("desc (*.a *.b);;desc2 (*.c)").
QString QtFileDialogFilter(std::string_view filter);

// "自動登録(&A)": the dialog, then the run with the window's progress.
// "exifdate", "shortph" and "a-dir" follow the dialog. Errors are shown in
// a message box. nullopt when the dialog was cancelled.
std::optional<AutoRegisterReport> RunAutoRegisterCommand(RegistrationContext& context);

// "ファイルを選択": the open dialog with the picture filter and the managed
// types, starting at the page's cover file or in "a-dir"; the chosen files
// go into the open container or onto `page`.
void AddFromDialogCommand(RegistrationContext& context, std::string_view page);

// "フォルダから検索": the folder dialog in its folder-search form, then the
// search with the window's progress into the open container or onto `page`;
// with "配置情報を使用する" the folder's placement file is imported instead.
void AddFromFolderCommand(RegistrationContext& context, std::string_view page);

// "貼り付け(&P)": the clipboard's album information or file list, into the
// open container or onto `page`.
void PasteCommand(RegistrationContext& context, std::string_view page);

// "挿入": the clipboard's lines inserted before the line `before` of the open
// container; returns the indexes of the inserted lines, to be selected.
std::vector<size_t> InsertCommand(RegistrationContext& context, size_t before);

// "コピー(&C)" and "コピー（アルバム情報）" of the list, and "切り取り(&T)":
// put the selection on the clipboard. CopyFilesCommand returns the
// `copiedComments` text for the free layout's paste.
std::string CopyFilesCommand(RegistrationContext& context, const std::vector<size_t>& selection);
void CopyAlbumInfoCommand(RegistrationContext& context, const std::vector<size_t>& selection);
void CutCommand(RegistrationContext& context, const std::vector<size_t>& selection);

}  // namespace lumidex
