#include "filetools/ui/registration_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "album/album_clipboard.h"
#include "album/album_path.h"
#include "album/album_store.h"
#include "foundation/file_paths.h"
#include "album/registrable_file.h"
#include "filetools/placement_file.h"
#include "filetools/registration_commands.h"
#include "filetools/ui/clipboard_files.h"
#include "filetools/ui/tauto_grp_dlg.h"
#include "foundation/settings.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

void ShowError(const RegistrationContext& context, const Status& status) {
  if (status.ok() || status.isAborted()) return;
  QMessageBox::warning(context.window, QApplication::applicationDisplayName(),
                       ToQString(status.message()));
}

void Inform(const RegistrationContext& context, const std::string& message) {
  QMessageBox::information(context.window, QApplication::applicationDisplayName(),
                           ToQString(message));
}

// Keeps the "extlist" setting in step with extensions the user allowed.
void SyncManagedTypes(RegistrationContext& context) {
  context.settings.extlist = context.types.ManagedTypes();
}

void Paste(RegistrationContext& context, const PastedLines& pasted, std::string_view page) {
  Result<RegistrationTally> tally =
      PasteEntries(context.store, context.registration, pasted.lines, pasted.kind, page);
  SyncManagedTypes(context);
  ShowError(context, tally.status());
}

}  // namespace

QString QtFileDialogFilter(std::string_view filter) {
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

std::optional<AutoRegisterReport> RunAutoRegisterCommand(RegistrationContext& context) {
  Settings& settings = context.settings;
  TAutoGrpDlg dialog(TAutoGrpDlg::Form::kAutoRegistration, context.store.folders().userDir,
                     {settings.aDir, settings.exifdate, settings.shortph, false}, context.window);
  if (context.showHelp) QObject::connect(&dialog, &TAutoGrpDlg::helpRequested, context.showHelp);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  settings.shortph = dialog.shortPaths();
  if (!dialog.browsedFolder().empty()) settings.aDir = dialog.browsedFolder();
  if (!accepted) return std::nullopt;
  const AutoRegisterOptions options = dialog.options();
  settings.exifdate = options.exifDates;
  AutoRegistration registration(context.store, context.types);
  Result<AutoRegisterReport> report = registration.Run(dialog.folder(), options, context.progress);
  if (!report.ok()) {
    ShowError(context, report.status());
    return std::nullopt;
  }
  if (context.showStatus) context.showStatus(ToQString(HitFilesText(report.value().hitFiles)));
  for (const auto& message : report.value().saveErrors) ShowError(context, Status::Error(message));
  if (report.value().unstorable > 0) {
    Inform(context, UnstorablePathsMessage(report.value().unstorable));
  }
  if (const std::string skipped = SkippedFilesMessage(report.value()); !skipped.empty()) {
    Inform(context, skipped);
  }
  return report.value();
}

void AddFromDialogCommand(RegistrationContext& context, std::string_view page) {
  std::string start;
  if (!page.empty()) {
    const std::string cover =
        context.store.PageCover(page, context.store.pageIndex().GetValue("DATA", page, "")).cover;
    if (FileExists(cover)) start = cover;
  }
  if (start.empty() && FolderExists(context.settings.aDir)) start = context.settings.aDir;
  const QStringList chosen = QFileDialog::getOpenFileNames(
      context.window, QString(), ToQString(start),
      QtFileDialogFilter(AddFileDialogFilter(context.types.ManagedTypes())));
  if (chosen.isEmpty()) return;
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(ToStdString(path));
  context.settings.aDir = FolderOf(paths.front());
  Paste(context, {paths, IncomingKind::kPaths, false}, page);
}

void AddFromFolderCommand(RegistrationContext& context, std::string_view page) {
  Settings& settings = context.settings;
  TAutoGrpDlg dialog(
      TAutoGrpDlg::Form::kFolderSearch, context.store.folders().userDir,
      {settings.aDir, settings.exifdate, settings.shortph, !context.store.SubAlbumOpen()},
      context.window);
  if (context.showHelp) QObject::connect(&dialog, &TAutoGrpDlg::helpRequested, context.showHelp);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  settings.shortph = dialog.shortPaths();
  if (!dialog.browsedFolder().empty()) settings.aDir = dialog.browsedFolder();
  if (!accepted) return;
  const std::string target =
      context.store.PageOpen() ? context.store.openPage() : std::string(page);
  if (dialog.usePlacement()) {
    const Result<PlacementImport> imported =
        ImportPlacement(context.store, target, dialog.folder());
    ShowError(context, imported.status());
    if (imported.ok() && imported.value().unstorable > 0) {
      Inform(context, UnstorablePathsMessage(imported.value().unstorable));
    }
    return;
  }
  const AutoRegisterOptions options = dialog.options();
  Result<FolderSearchOutcome> outcome = AddFromFolder(
      context.store, context.registration,
      {dialog.folder(), options.includeManaged, options.includeHidden}, page, context.progress);
  SyncManagedTypes(context);
  ShowError(context, outcome.status());
}

void PasteCommand(RegistrationContext& context, std::string_view page) {
  Paste(context, ReadPastedLines(QApplication::clipboard()->mimeData()), page);
}

std::vector<size_t> InsertCommand(RegistrationContext& context, size_t before) {
  const PastedLines pasted = ReadPastedLines(QApplication::clipboard()->mimeData());
  Result<std::vector<size_t>> inserted =
      context.registration.InsertEntries(before, pasted.lines, pasted.kind);
  SyncManagedTypes(context);
  if (!inserted.ok()) {
    ShowError(context, inserted.status());
    return {};
  }
  return inserted.value();
}

std::string CopyFilesCommand(RegistrationContext& context, const std::vector<size_t>& selection) {
  const CopiedFiles copied = CopyFiles(context.store, selection);
  context.registration.SetCutPending(false);
  QApplication::clipboard()->setMimeData(FileListMimeData(copied.paths, false).release());
  return copied.copiedComments;
}

void CopyAlbumInfoCommand(RegistrationContext& context, const std::vector<size_t>& selection) {
  const std::vector<std::string> lines = CopyAlbumInfo(context.store, selection);
  context.registration.SetCutPending(false);
  QApplication::clipboard()->setMimeData(AlbumInfoMimeData(lines).release());
}

void CutCommand(RegistrationContext& context, const std::vector<size_t>& selection) {
  const std::vector<std::string> lines = context.registration.CutEntries(selection);
  if (lines.empty()) return;
  QApplication::clipboard()->setMimeData(AlbumInfoMimeData(lines).release());
}

}  // namespace lumidex
