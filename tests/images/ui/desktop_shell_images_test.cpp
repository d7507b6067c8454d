#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "images/ui/bitmap_bridge.h"
#include "images/ui/desktop_shell_images.h"

using namespace lumidex;

class DesktopShellImagesTest : public QObject {
  Q_OBJECT

 private:
  // Writes a freedesktop cache thumbnail of `file` below `root`.
  static void WriteCacheThumbnail(const QString& root, const QString& file, qint64 mtime, QRgb colour) {
    const QString uri = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded);
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex());
    QDir().mkpath(root + "/normal");
    QImage image(128, 64, QImage::Format_ARGB32);
    image.fill(colour);
    image.setText("Thumb::URI", uri);
    image.setText("Thumb::MTime", QString::number(mtime));
    QVERIFY(image.save(root + "/normal/" + hash + ".png"));
  }

 private slots:
  void bridgeKeepsPixelsAndAlpha() {
    Bitmap bitmap = Bitmap::Create(3, 2);
    bitmap.SetPixel(2, 1, 0x80102030u);
    bitmap.setHasAlpha(true);
    const QImage wrapped = WrapAsQImage(bitmap);
    QCOMPARE(wrapped.pixel(2, 1), QRgb(0x80102030u));
    const Bitmap back = BitmapFromQImage(wrapped);
    QCOMPARE(back.PixelAt(2, 1), 0x80102030u);
    QVERIFY(back.hasAlpha());
    QVERIFY(BitmapFromQImage(QImage()).empty());
  }

  void currentCacheThumbnailIsUsed() {
    QTemporaryDir dir;
    const QString file = dir.filePath("drawing.svg");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<svg/>");
    f.close();
    const qint64 mtime = QFileInfo(file).lastModified().toSecsSinceEpoch();
    WriteCacheThumbnail(dir.filePath("thumbnails"), file, mtime, 0xFF00FF00u);
    const auto found = CachedDesktopThumbnail(file.toStdString(), dir.filePath("thumbnails").toStdString());
    QVERIFY(found.has_value());
    QCOMPARE(found->width(), 128);
    QCOMPARE(found->PixelAt(5, 5), 0xFF00FF00u);
  }

  void staleCacheThumbnailIsIgnored() {
    QTemporaryDir dir;
    const QString file = dir.filePath("old.svg");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<svg/>");
    f.close();
    WriteCacheThumbnail(dir.filePath("thumbnails"), file, 12345, 0xFF0000FFu);
    QVERIFY(!CachedDesktopThumbnail(file.toStdString(), dir.filePath("thumbnails").toStdString()).has_value());
    QVERIFY(!CachedDesktopThumbnail(dir.filePath("missing").toStdString(),
                                    dir.filePath("thumbnails").toStdString())
                 .has_value());
  }

  void iconsHaveTheAskedSizes() {
    QTemporaryDir dir;
    const QString file = dir.filePath("notes.txt");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    DesktopShellImages shell;
    const Bitmap small = shell.ShellIcon(file.toStdString(), false);
    const Bitmap large = shell.ShellIcon(file.toStdString(), true);
    QCOMPARE(small.width(), 16);
    QCOMPARE(small.height(), 16);
    QCOMPARE(large.width(), 32);
    QVERIFY(!shell.ShellIcon(dir.path().toStdString(), true).empty());
  }

  void thumbnailFallsBackToTheTypeIcon() {
    QTemporaryDir dir;
    const QString file = dir.filePath("unknown.zzq");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    DesktopShellImages shell;
    const auto thumbnail = shell.ShellThumbnail(file.toStdString(), 170, 128);
    QVERIFY(thumbnail.has_value());
    QVERIFY(!thumbnail->empty());
    QVERIFY(thumbnail->width() <= 170 && thumbnail->height() <= 128);
  }
};

QTEST_MAIN(DesktopShellImagesTest)
#include "desktop_shell_images_test.moc"
