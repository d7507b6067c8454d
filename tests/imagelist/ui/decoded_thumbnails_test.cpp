// The decoded thumbnails the list's delegate draws from: decoded on the pool
// when prefetched, at once otherwise, never from damaged bytes, and kept
// within their byte budget.

#include <QTest>
#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "imagelist/ui/decoded_thumbnails.h"
#include "images/bitmap.h"
#include "images/jpeg_codec.h"

namespace lumidex {

class DecodedThumbnailsTest : public QObject {
  Q_OBJECT

 private:
  // A 170 x 128 thumbnail: left half red, right half blue, with `shade` in
  // the green channel so that thumbnails of other shades differ.
  static std::string Thumbnail(int shade) {
    Bitmap bitmap = Bitmap::Create(170, 128);
    for (int y = 0; y < 128; ++y) {
      for (int x = 0; x < 170; ++x) {
        const uint32_t colour = x < 85 ? 0xFFFF0000u : 0xFF0000FFu;
        bitmap.SetPixel(x, y, colour | (static_cast<uint32_t>(shade & 0xFF) << 8));
      }
    }
    return EncodeJpeg(bitmap, 90).value();
  }

  static void VerifyHalves(const QImage& image) {
    QCOMPARE(image.size(), QSize(170, 128));
    const QColor left = image.pixelColor(20, 64);
    const QColor right = image.pixelColor(150, 64);
    QVERIFY(left.red() > 200 && left.blue() < 60);
    QVERIFY(right.blue() > 200 && right.red() < 60);
  }

 private slots:
  void prefetchedThumbnailIsDecodedOnThePoolAndGetTakesIt() {
    DecodedThumbnails decoded(2);
    const std::string jpeg = Thumbnail(0);
    decoded.Prefetch(jpeg);
    QTRY_COMPARE(decoded.decodedOnPool(), 1);
    VerifyHalves(decoded.Get(jpeg));
    QCOMPARE(decoded.decodedHere(), 0);
    // Prefetching it again starts nothing.
    decoded.Prefetch(jpeg);
    QTest::qWait(20);
    QCOMPARE(decoded.decodedOnPool(), 1);
  }

  void thumbnailNotPrefetchedIsDecodedAtOnceAndKept() {
    DecodedThumbnails decoded(1);
    const std::string jpeg = Thumbnail(0);
    VerifyHalves(decoded.Get(jpeg));
    VerifyHalves(decoded.Get(jpeg));
    QCOMPARE(decoded.decodedHere(), 1);
    QCOMPARE(decoded.decodedOnPool(), 0);
    QCOMPARE(decoded.size(), size_t{1});
  }

  void manyPrefetchesEachGiveTheirOwnPicture() {
    // Get races the pool for most of them: every picture still comes out
    // once and right, whoever decodes it.
    DecodedThumbnails decoded(2);
    std::vector<std::string> jpegs;
    for (int shade = 0; shade < 24; ++shade) jpegs.push_back(Thumbnail(shade * 10));
    for (const std::string& jpeg : jpegs) decoded.Prefetch(jpeg);
    for (size_t i = 0; i < jpegs.size(); ++i) {
      const QImage image = decoded.Get(jpegs[i]);
      VerifyHalves(image);
      QVERIFY(std::abs(image.pixelColor(20, 64).green() - static_cast<int>(i) * 10) < 12);
    }
    QCOMPARE(decoded.decodedHere() + decoded.decodedOnPool(), 24);
  }

  void whileThePoolDecodesTheWantedOneGetDecodesTheQueuedOnesItself() {
    // Declared before the pictures, so that the pool threads are joined
    // while what the handler reaches still exists.
    std::atomic<bool> first{true};
    std::atomic<bool> wantedStarted{false};
    std::atomic<int> doneHere{0};
    std::promise<void> gate;
    std::shared_future<void> opened = gate.get_future().share();
    DecodedThumbnails decoded(1);
    decoded.SetDecodeHandler([&](bool onPool, bool done) {
      if (onPool && !done && first.exchange(false)) {
        wantedStarted = true;
        // The pool thread is held inside the wanted picture's decode until
        // the main thread decoded the rest (10 s at most, so that a main
        // thread that only waits fails the test instead of hanging it).
        opened.wait_for(std::chrono::seconds(10));
      }
      if (!onPool && done && ++doneHere == 4) gate.set_value();
    });
    const std::string wanted = Thumbnail(0);
    std::vector<std::string> queued;
    for (int shade = 1; shade <= 4; ++shade) queued.push_back(Thumbnail(shade * 50));
    decoded.Prefetch(wanted);
    for (const std::string& jpeg : queued) decoded.Prefetch(jpeg);
    QTRY_VERIFY(wantedStarted);
    VerifyHalves(decoded.Get(wanted));
    QCOMPARE(decoded.decodedHere(), 4);
    QCOMPARE(decoded.decodedOnPool(), 1);
    // Each of them is kept with its own picture: nothing is decoded again.
    for (size_t i = 0; i < queued.size(); ++i) {
      const QImage image = decoded.Get(queued[i]);
      VerifyHalves(image);
      QVERIFY(std::abs(image.pixelColor(20, 64).green() - static_cast<int>(i + 1) * 50) < 12);
    }
    QCOMPARE(decoded.decodedHere(), 4);
  }

  void damagedBytesGiveNoPicture() {
    DecodedThumbnails decoded(1);
    const std::string jpeg = Thumbnail(0);
    // Cut short after the headers, as a write that never finished leaves it.
    const std::string cut = jpeg.substr(0, jpeg.size() / 2);
    QVERIFY(decoded.Get(cut).isNull());
    const std::string cutOther = Thumbnail(40).substr(0, jpeg.size() / 2);
    decoded.Prefetch(cutOther);
    QVERIFY(decoded.Get(cutOther).isNull());
    QVERIFY(decoded.Get(std::string("not a picture")).isNull());
  }

  void keptPicturesStayWithinTheBudgetNewestFirst() {
    const int64_t one = 170 * 128 * 4;
    DecodedThumbnails decoded(1, 2 * one);
    std::vector<std::string> jpegs;
    for (int shade = 0; shade < 5; ++shade) jpegs.push_back(Thumbnail(shade * 40));
    for (const std::string& jpeg : jpegs) decoded.Get(jpeg);
    QCOMPARE(decoded.size(), size_t{2});
    QVERIFY(decoded.keptBytes() <= 2 * one);
    // The newest are still there; the oldest is decoded again.
    decoded.Get(jpegs[4]);
    decoded.Get(jpegs[3]);
    QCOMPARE(decoded.decodedHere(), 5);
    decoded.Get(jpegs[0]);
    QCOMPARE(decoded.decodedHere(), 6);
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::DecodedThumbnailsTest)
#include "decoded_thumbnails_test.moc"
