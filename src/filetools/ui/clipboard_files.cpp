#include "filetools/ui/clipboard_files.h"

#include <QUrl>

#include "album/album_clipboard.h"
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

std::unique_ptr<QMimeData> AlbumInfoMimeData(const std::vector<std::string>& lines) {
  auto data = std::make_unique<QMimeData>();
  const std::string text = AlbumInfoText(lines);
  data->setData(kAlbumInfoMimeType, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  data->setText(ToQString(text));
  return data;
}

PastedLines ReadPastedLines(const QMimeData* data) {
  PastedLines pasted;
  if (data == nullptr) return pasted;
  if (data->hasFormat(kAlbumInfoMimeType)) {
    const QByteArray bytes = data->data(kAlbumInfoMimeType);
    pasted.lines = ParseAlbumInfoText(std::string_view(bytes.constData(), bytes.size()));
    pasted.kind = IncomingKind::kAlbumInfo;
    return pasted;
  }
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) pasted.lines.push_back(ToStdString(url.toLocalFile()));
  }
  if (data->hasFormat(kGnomeCopiedFilesMimeType)) {
    pasted.cut = data->data(kGnomeCopiedFilesMimeType).startsWith("cut\n");
  }
  return pasted;
}

bool CanPaste(const QMimeData* data) {
  return data != nullptr && (data->hasFormat(kAlbumInfoMimeType) || data->hasUrls());
}

}  // namespace lumidex
