#include "filetools/ui/clipboard_files.h"

#include "album/album_clipboard.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

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
  pasted.lines = LocalFilesOf(*data);
  pasted.cut = IsCutFileList(*data);
  return pasted;
}

bool CanPaste(const QMimeData* data) {
  return data != nullptr && (data->hasFormat(kAlbumInfoMimeType) || data->hasUrls());
}

}  // namespace lumidex
