// The slide show keeps the screen awake through the desktop's screen saver
// service, and lifts that when it stops, on a private session bus.
#include <QDBusConnection>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "platform/ui/screen_saver_inhibitor.h"

using namespace lumidex;

namespace {

// Stands in for the desktop's screen saver on the bus.
class FakeScreenSaver : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

 public:
  QStringList calls;

 public slots:
  uint Inhibit(const QString& application, const QString& reason) {
    calls << QStringLiteral("Inhibit %1 %2").arg(application, reason);
    return 42;
  }
  void UnInhibit(uint cookie) { calls << QStringLiteral("UnInhibit %1").arg(cookie); }
};

}  // namespace

class ScreenSaverInhibitorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
      QSKIP("dbus-daemon is not installed");
    }
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    QVERIFY(daemon_.waitForReadyRead(5000));
    const QByteArray address = daemon_.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QVERIFY(QDBusConnection::sessionBus().isConnected());
  }

  void cleanupTestCase() {
    daemon_.kill();
    daemon_.waitForFinished();
  }

  void withoutTheServiceTheShowGoesOnQuietly() {
    ScreenSaverInhibitor inhibitor(QStringLiteral("Lumidex Album"));
    QSignalSpy answered(&inhibitor, &ScreenSaverInhibitor::answered);
    inhibitor.Inhibit(QStringLiteral("スライドショー"));
    QVERIFY(answered.wait(5000));
    QCOMPARE(answered.first().first().toBool(), false);
    QCOMPARE(inhibitor.cookie(), 0u);
    inhibitor.Release();
    QVERIFY(!inhibitor.inhibited());
  }

  void inhibitsWhileWantedAndLiftsItAfter() {
    FakeScreenSaver saver;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
    QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver,
                               QDBusConnection::ExportAllSlots));

    ScreenSaverInhibitor inhibitor(QStringLiteral("Lumidex Album"));
    QSignalSpy answered(&inhibitor, &ScreenSaverInhibitor::answered);
    inhibitor.Inhibit(QStringLiteral("スライドショー"));
    inhibitor.Inhibit(QStringLiteral("again"));  // already inhibited: no second call
    QVERIFY(answered.wait(5000));
    QCOMPARE(inhibitor.cookie(), 42u);
    inhibitor.Release();
    QTRY_COMPARE(saver.calls, QStringList({QStringLiteral("Inhibit Lumidex Album スライドショー"),
                                           QStringLiteral("UnInhibit 42")}));

    // Released before the answer came: the answer's cookie is given back.
    saver.calls.clear();
    inhibitor.Inhibit(QStringLiteral("r"));
    inhibitor.Release();
    QVERIFY(answered.wait(5000));
    QCOMPARE(inhibitor.cookie(), 0u);
    QTRY_COMPARE(saver.calls, QStringList({QStringLiteral("Inhibit Lumidex Album r"),
                                           QStringLiteral("UnInhibit 42")}));
    bus.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
    bus.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
  }

 private:
  QProcess daemon_;
};

QTEST_GUILESS_MAIN(ScreenSaverInhibitorTest)
#include "screen_saver_inhibitor_test.moc"
