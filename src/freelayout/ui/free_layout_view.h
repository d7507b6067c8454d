#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>

#include "foundation/colour.h"
#include "freelayout/free_layout_document.h"
#include "freelayout/ui/free_layout_canvas.h"

class QLabel;

namespace lumidex {

class AlbumStore;
class FreeLayoutTabRenderer;
class FreeLayoutTabStrip;
class FreePictureReader;
class ThumbnailCache;
struct Settings;

// The free layout view of the page side, read-only: the free layout
// document of the album's shown year and of the way the settings choose
// ("freemode": by date or by album name), the page shown (by date the page
// of the day the calendar or the page list chose; by album the last album
// page, else the first), its tab strip, the items of the selected tab on the
// canvas and the page counter "a/b". The document is opened again when the
// year or the way changes. Main thread only; the store, the widgets and the
// cache (may be null) must outlive the view.
class FreeLayoutView : public QObject {
  Q_OBJECT

 public:
  struct Widgets {
    FreeLayoutTabStrip* tabs = nullptr;  // TabControl1
    FreeLayoutCanvas* canvas = nullptr;  // FreePanel
    QLabel* counter = nullptr;           // Panel18
  };

  FreeLayoutView(AlbumStore& album, std::string albumDir, const ThumbnailCache* cache, Widgets widgets,
                 QObject* parent = nullptr);
  ~FreeLayoutView() override;

  // "freemode", "tabline", "imgshadow", "hispc" and the managed types.
  void ApplySettings(const Settings& settings);
  // The canvas colour: the colour scheme's light colour.
  void SetPageColour(Colour colour);
  // The window's "高画質".
  void SetHighQuality(bool on);

  // Opens the view on `page` ("mm/dd", by date; by album the last album
  // page is shown).
  void Enter(const std::string& page);
  void Leave();
  bool active() const { return active_; }
  // By date: shows the page of another day.
  void ShowDatePage(const std::string& page);
  // The album switched its year: the document of the new year is opened.
  void YearChanged();

  // The page shown: "mm/dd" or the album name; "" when there is none.
  const std::string& section() const { return section_; }
  FreeLayoutDocument* document() const { return document_.get(); }
  // The heading of the page side while the view is open: "日付で配置 > 3月15日"
  // or "アルバムで配置 > " + the album name.
  QString Heading() const;

 signals:
  // The heading changed (another page or way).
  void headingChanged(const QString& heading);
  // A message for the user: a document that cannot be read, item lines
  // that cannot be read.
  void problem(const QString& message);

 private:
  void OpenDocument();
  void ShowPage(const std::string& section);
  void ShowTab(int tab);
  FreeLayoutWay way() const;

  AlbumStore& album_;
  const std::string albumDir_;
  Widgets widgets_;
  QPointer<FreeLayoutCanvas> canvas_;  // widgets_.canvas while it lives
  std::unique_ptr<FreePictureReader> reader_;
  std::unique_ptr<FreeLayoutTabRenderer> renderer_;
  std::unique_ptr<FreeLayoutDocument> document_;
  bool byAlbum_ = false;
  bool active_ = false;
  std::string section_;
  std::string lastAlbum_;  // the album page shown last (by album)
};

}  // namespace lumidex
