#include "platform/ui/clipboard_file_list.h"

#include <QApplication>
#include <QClipboard>
#include <QUrl>

#include "platform/ui/qt_bridge.h"

namespace lumidex {

std::unique_ptr<QMimeData> FileListMimeData(const std::vector<std::string>& paths, bool cut) {
  auto data = std::make_unique<QMimeData>();
  QList<QUrl> urls;
  QByteArray copied = cut ? "cut" : "copy";
  for (const auto& path : paths) {
    const QUrl url = QUrl::fromLocalFile(ToQString(path));
    urls.push_back(url);
    copied += "\n" + url.toEncoded();
  }
  data->setUrls(urls);
  data->setData(kGnomeCopiedFilesMimeType, copied);
  return data;
}

std::vector<std::string> LocalFilesOf(const QMimeData& data) {
  std::vector<std::string> files;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) files.push_back(ToStdString(url.toLocalFile()));
  }
  return files;
}

bool IsCutFileList(const QMimeData& data) {
  return data.hasFormat(kGnomeCopiedFilesMimeType) &&
         data.data(kGnomeCopiedFilesMimeType).startsWith("cut\n");
}

bool ClipboardHoldsFiles() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data != nullptr && !LocalFilesOf(*data).empty();
}

bool ClipboardHoldsFilesOrText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data != nullptr && (data->hasUrls() || data->hasText());
}

}  // namespace lumidex
