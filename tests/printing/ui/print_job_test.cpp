#include <QPdfWriter>
#include <QtTest>

#include "images/image_fixtures.h"
#include "printing/render/print_job.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

// Jobs written through Qt's PDF writer, as the command line and a printer
// without its own copies get them.
class PrintJobTest : public QObject {
  Q_OBJECT

 private:
  Result<PrintOutcome> Run(const std::string& pdf, const PrintJob& job, const PrintList& list) {
    QPdfWriter writer(QString::fromStdString(pdf));
    writer.setResolution(100);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF()));
    return RunPrintJob(writer, job, list);
  }
  PrintJob Job() {
    PrintJob job;
    job.paper = WholeSheetFacts(148, 210, 100, false);
    job.layout = 1;  // two halves a sheet
    job.lastPage = 99;
    return job;
  }

  testing::TempHome home_;

 private slots:
  void copiesRepeatTheRunOrEachSheetAndUnreadablePicturesAreNamedOnce() {
    std::vector<std::string> paths;
    for (int i = 0; i < 5; ++i) {
      paths.push_back(home_.Join("p" + std::to_string(i) + ".jpg"));
      if (i != 3) testing::WriteFile(paths.back(), testing::WriteJpeg(120, 90));
    }
    PrintJob job = Job();
    job.copies = 2;
    auto outcome = Run(home_.Join("a.pdf"), job, PrintList(paths));
    QVERIFY(outcome.ok());
    QCOMPARE(outcome.value().pagesPrinted, 6);  // three sheets twice
    QVERIFY(outcome.value().unreadable == std::vector<std::string>{paths[3]});
    job.firstPage = job.lastPage = 1;
    job.collate = false;
    job.copies = 3;
    QCOMPARE(Run(home_.Join("b.pdf"), job, PrintList(paths)).value().pagesPrinted, 3);
  }

  void aDeviceThatCannotBeWrittenIsReported() {
    auto outcome = Run(home_.Join("no/such/folder/x.pdf"), Job(), PrintList());
    QVERIFY(!outcome.ok());
    QCOMPARE(QString::fromStdString(outcome.status().message()), QStringLiteral("印刷を開始できません"));
  }
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::PrintJobTest)
#include "print_job_test.moc"
