// Opening a file with the desktop's program says so when there is none.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/ui/shell_services.h"
#include "support/temp_home.h"

using namespace lumidex;

namespace {

// Closes every message box that comes up and keeps its text.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts_ << box->text();
        box->close();
      }
    });
    timer_.start(10);
  }
  const QStringList& texts() const { return texts_; }

 private:
  QTimer timer_;
  QStringList texts_;
};

// Runs the test with PATH set to `folder` only.
class PathOnly {
 public:
  explicit PathOnly(const std::string& folder) : saved_(qgetenv("PATH")) {
    qputenv("PATH", QByteArray::fromStdString(folder));
  }
  ~PathOnly() { qputenv("PATH", saved_); }

 private:
  QByteArray saved_;
};

}  // namespace

class ShellServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void openingWithoutAProgramForTheFileSaysSo() {
    testing::TempHome home;
    const std::string picture = home.Join("写真/a.jpg");
    testing::WriteFile(picture, "jpeg");
    const QString path = QString::fromStdString(picture);
    MessageBoxCatcher boxes;
    {
      // A desktop without xdg-open.
      PathOnly path_only(home.Join("bin"));
      QVERIFY(!platform::OpenWithSystem(path));
      QCOMPARE(boxes.texts(),
               QStringList{QStringLiteral("関連付けられたプログラムがありません。\n") + path});
    }
    {
      // An opener that finds nothing for the type (xdg-open's exit code 3).
      testing::WriteFile(home.Join("opener/xdg-open"), "#!/bin/sh\nexit 3\n");
      QFile::setPermissions(QString::fromStdString(home.Join("opener/xdg-open")),
                            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      PathOnly path_only(home.Join("opener"));
      QVERIFY(platform::OpenWithSystem(path));
      QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 2, 20000);
      QCOMPARE(boxes.texts().back(),
               QStringLiteral("関連付けられたプログラムがありません。\n") + path);
    }
  }
};

QTEST_MAIN(ShellServicesTest)
#include "shell_services_test.moc"
