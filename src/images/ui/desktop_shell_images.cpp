#include "images/ui/desktop_shell_images.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>

#include "images/ui/bitmap_bridge.h"

namespace lumidex {
namespace {

QString FileUri(const QString& path) {
  return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

Bitmap Fitted(const QImage& image, int width, int height) {
  if (image.width() <= width && image.height() <= height) return BitmapFromQImage(image);
  return BitmapFromQImage(image.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// A thumbnailer entry: the MIME types it serves and its command line with
// %i (input path), %u (input URI), %o (output PNG) and %s (size).
struct Thumbnailer {
  QStringList mimeTypes;
  QString exec;
};

QList<Thumbnailer> InstalledThumbnailers() {
  QList<Thumbnailer> found;
  QStringList folders = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, "thumbnailers",
                                                  QStandardPaths::LocateDirectory);
  for (const QString& folder : folders) {
    for (const QFileInfo& file : QDir(folder).entryInfoList({"*.thumbnailer"}, QDir::Files)) {
      QFile f(file.absoluteFilePath());
      if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
      Thumbnailer t;
      QTextStream in(&f);
      while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith("Exec=")) t.exec = line.mid(5);
        if (line.startsWith("MimeType=")) t.mimeTypes = line.mid(9).split(';', Qt::SkipEmptyParts);
      }
      if (!t.exec.isEmpty() && !t.mimeTypes.isEmpty()) found.push_back(t);
    }
  }
  return found;
}

std::optional<Bitmap> RunThumbnailer(const QString& path, int size) {
  const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
  for (const Thumbnailer& t : InstalledThumbnailers()) {
    if (!t.mimeTypes.contains(mime)) continue;
    QTemporaryDir dir;
    if (!dir.isValid()) return std::nullopt;
    const QString output = dir.filePath("thumbnail.png");
    QStringList args = QProcess::splitCommand(t.exec);
    if (args.isEmpty()) continue;
    for (QString& arg : args) {
      arg.replace("%i", path).replace("%u", FileUri(path)).replace("%o", output).replace("%s", QString::number(size));
    }
    QProcess process;
    process.start(args.takeFirst(), args);
    if (!process.waitForFinished(10000)) {
      process.kill();
      process.waitForFinished(1000);
      continue;
    }
    const QImage image(output);
    if (!image.isNull()) return BitmapFromQImage(image);
  }
  return std::nullopt;
}

Bitmap IconBitmap(const QIcon& icon, int size) {
  return BitmapFromQImage(icon.pixmap(size, size).toImage().scaled(size, size, Qt::KeepAspectRatio,
                                                                    Qt::SmoothTransformation));
}

}  // namespace

std::optional<Bitmap> CachedDesktopThumbnail(const std::string& path, const std::string& cacheRoot) {
  const QString file = QString::fromStdString(path);
  const QFileInfo info(file);
  if (!info.exists()) return std::nullopt;
  const QByteArray hash = QCryptographicHash::hash(FileUri(file).toUtf8(), QCryptographicHash::Md5).toHex();
  for (const char* size : {"xx-large", "x-large", "large", "normal"}) {
    const QString name = QString::fromStdString(cacheRoot) + "/" + size + "/" + QString::fromLatin1(hash) + ".png";
    QImage image(name);
    if (image.isNull()) continue;
    const QString mtime = image.text("Thumb::MTime");
    if (!mtime.isEmpty() && mtime.toLongLong() != info.lastModified().toSecsSinceEpoch()) continue;
    return BitmapFromQImage(image);
  }
  return std::nullopt;
}

std::optional<Bitmap> DesktopShellImages::ShellThumbnail(const std::string& path, int width, int height) const {
  const QString cacheRoot = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/thumbnails";
  if (std::optional<Bitmap> cached = CachedDesktopThumbnail(path, cacheRoot.toStdString())) {
    return Fitted(WrapAsQImage(*cached).copy(), width, height);
  }
  const QString file = QString::fromStdString(path);
  if (QFileInfo(file).isFile()) {
    if (std::optional<Bitmap> made = RunThumbnailer(file, std::max(width, height))) {
      return Fitted(WrapAsQImage(*made).copy(), width, height);
    }
  }
  const int size = std::min({width, height, 48});
  Bitmap icon = ShellIcon(path, size > 16);
  return icon;
}

Bitmap DesktopShellImages::ShellIcon(const std::string& path, bool large) const {
  const int size = large ? 32 : 16;
  const QString file = QString::fromStdString(path);
  const QFileInfo info(file);
  QIcon icon;
  if (info.isDir()) {
    icon = QFileIconProvider().icon(QFileIconProvider::Folder);
  } else {
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info);
    icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
    if (icon.isNull()) icon = QFileIconProvider().icon(info);
  }
  if (!icon.isNull()) {
    Bitmap bitmap = IconBitmap(icon, size);
    if (!bitmap.empty()) return bitmap;
  }
  return NoShellImages().ShellIcon(path, large);
}

}  // namespace lumidex
