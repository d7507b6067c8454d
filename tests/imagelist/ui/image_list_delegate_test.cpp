// How the list's delegate decodes a thumbnail while the scroll bar is
// dragged: the picture is painted into an image and its pixels compared.

#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTest>
#include <memory>

#include "foundation/file_types.h"
#include "imagelist/image_list.h"
#include "imagelist/item_geometry.h"
#include "imagelist/ui/image_list_delegate.h"
#include "imagelist/ui/image_list_model.h"
#include "images/bitmap.h"
#include "images/jpeg_codec.h"

namespace lumidex {

class ImageListDelegateTest : public QObject {
  Q_OBJECT

 private:
  // A container of one picture whose record holds a 170 x 128 thumbnail of
  // one-pixel black and white squares: plainly stretched it stays black and
  // white, decoded at a quarter of its size it turns grey.
  void MakeList() {
    list_ = std::make_unique<ImageList>(types_, ItemDataSources{});
    list_->FillFromContainer({"/pictures/a.jpg="});
    Bitmap checks = Bitmap::Create(170, 128);
    for (int y = 0; y < 128; ++y) {
      for (int x = 0; x < 170; ++x) checks.SetPixel(x, y, (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u);
    }
    auto record = std::make_unique<ALBDATA>();
    record->data = EncodeJpeg(checks, 100).value();
    record->isJpeg = 1;
    record->exists = 1;
    list_->entries().SetRecord(0, std::move(record));
    model_ = std::make_unique<ImageListModel>(*list_);
    delegate_ = std::make_unique<ImageListDelegate>(*list_, types_);
    ListLook look;
    look.smallSize = true;
    look.pictureSize = kDefaultSmallSize;
    delegate_->SetLook(look);
  }

  // The share of the picture box's pixels that are neither near black nor
  // near white.
  double GreyShare() {
    const QSize size = delegate_->ItemSize();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QStyleOptionViewItem option;
      option.rect = QRect(QPoint(0, 0), size);
      delegate_->paint(&painter, option, model_->index(0, 0));
    }
    const FileItemLayout layout = LayoutFileItem(IconItemCell(kDefaultSmallSize), false);
    const ItemRect& box = layout.pictureBox;
    int grey = 0;
    int all = 0;
    for (int y = box.y + 4; y < box.bottom() - 4; ++y) {
      for (int x = box.x + 4; x < box.right() - 4; ++x) {
        const int value = qGray(image.pixel(x, y));
        grey += value > 64 && value < 192 ? 1 : 0;
        ++all;
      }
    }
    return all > 0 ? static_cast<double>(grey) / all : 0;
  }

  FileTypeLists types_;
  std::unique_ptr<ImageList> list_;
  std::unique_ptr<ImageListModel> model_;
  std::unique_ptr<ImageListDelegate> delegate_;

 private slots:
  void scrollingSmallMultiColumnItemsDecodesAtAQuarterSize() {
    MakeList();
    delegate_->SetViewOptions(true, false);
    QVERIFY(GreyShare() < 0.2);
    delegate_->SetScrolling(true);
    QVERIFY(GreyShare() > 0.5);
    // The end of scrolling draws in full again.
    delegate_->SetScrolling(false);
    QVERIFY(GreyShare() < 0.2);
  }

  void damagedThumbnailIsReportedInsteadOfDrawn() {
    MakeList();
    std::vector<int> drawn;
    std::vector<int> undecodable;
    delegate_->SetThumbnailDrawnHandler([&](int row) { drawn.push_back(row); });
    delegate_->SetUndecodableHandler([&](int row) { undecodable.push_back(row); });
    GreyShare();
    QCOMPARE(drawn, std::vector<int>{0});
    QVERIFY(undecodable.empty());
    // The same record with its bytes cut short, as a damaged cache file
    // whose headers are whole gives them.
    ALBDATA* record = list_->entries().record(0);
    record->data = record->data->substr(0, record->data->size() / 2);
    GreyShare();
    QCOMPARE(drawn, std::vector<int>{0});
    QCOMPARE(undecodable, std::vector<int>{0});
  }

  void scrollingOutsideTheMultiColumnModeOrWithHighQualityDecodesInFull() {
    MakeList();
    delegate_->SetScrolling(true);
    delegate_->SetViewOptions(false, false);
    QVERIFY(GreyShare() < 0.2);
    delegate_->SetViewOptions(true, true);
    QVERIFY(GreyShare() < 0.2);
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::ImageListDelegateTest)
#include "image_list_delegate_test.moc"
