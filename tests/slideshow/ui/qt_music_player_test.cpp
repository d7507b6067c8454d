#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "slideshow/ui/qt_music_player.h"

using namespace lumidex;

class QtMusicPlayerTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QtMusicPlayer player_;

  std::string Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
               ? file.fileName().toStdString()
               : std::string();
  }

  // Half a second of silence as a WAV file: the header of 8 kHz 8-bit mono
  // PCM with 4000 bytes of data ("RIFF", "WAVE", "fmt ", "data" chunks).
  static QByteArray HalfSecondWav() {
    return QByteArray::fromHex(
               "52494646c40f000057415645666d74201000000001000100401f0000401f0000"
               "0100080064617461a00f0000") +
           QByteArray(4000, char(0x80));
  }

 private slots:
  void initTestCase() {
    if (!player_.Available()) QSKIP("no media backend on this system");
  }

  void aTrackPlaysToItsEndOrFailsAndStops() {
    const std::string path = Write("silence.wav", HalfSecondWav());
    QVERIFY(player_.Open(path));
    QCOMPARE(player_.FileName(), path);
    QVERIFY(player_.Play() || player_.Failed());
    QTRY_COMPARE_WITH_TIMEOUT(player_.Mode(), PlayerMode::kStopped, 5000);
    QVERIFY(player_.IsOpen());
    if (!player_.Failed()) QVERIFY(player_.Length() >= 4'000'000);  // about 0.5 s
  }

  void unplayableFilesFail() {
    QVERIFY(!player_.Open(dir_.path().toStdString()));  // a folder: closes the last track
    QVERIFY(!player_.IsOpen());
    QVERIFY(player_.Open(Write("notes.mp3", QByteArray("not music\n").repeated(40))));
    player_.Play();
    QTRY_VERIFY_WITH_TIMEOUT(player_.Failed(), 5000);
    QCOMPARE(player_.Mode(), PlayerMode::kStopped);
  }
};

QTEST_MAIN(QtMusicPlayerTest)
#include "qt_music_player_test.moc"
