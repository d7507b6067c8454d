#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "printing/print_dialog_state.h"
#include "printing/print_geometry.h"
#include "printing/print_picture.h"
#include "printing/print_settings.h"
#include "printing/render/sheet_painter.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStatusBar;
class QWidget;

namespace lumidex {

class LayoutList;
class SheetPreview;

// The print dialog in its two forms. The full form ("画像一覧の印刷",
// 600 x 526) shows a live preview of one sheet of the chosen pictures with
// the layouts, the use count, margins, spacing and options, page buttons and
// slider, moving and exchanging entries by drag and drop or by the preview's
// menu, removing them by a drop on the layout list, the position correction
// of cropped pictures, and printing one page or all on `printer`. The small
// form ("フリー配置の印刷", 258 x 205) asks the vertical position and what to
// print of a free layout page.
//
// The printer and the settings belong to the caller and must outlive the
// dialog; the settings are edited in place. Modal local; main thread.
class TPrinterSetDlg : public QDialog {
  Q_OBJECT
 public:
  // The full form over `chosen` (existing picture paths, each once).
  TPrinterSetDlg(QWidget* parent, QPrinter& printer, PrintSettings& settings,
                 std::vector<std::string> chosen);
  // The small form: 0 top, 1 centre, 2 bottom; 0 all, 1 selected, 2 pictures.
  TPrinterSetDlg(QWidget* parent, int verticalAlign, int printTarget);
  ~TPrinterSetDlg() override;

  int verticalAlign() const;
  int printTarget() const;
  // Help topic requests ("PrintDlg" or "Printer").
  void SetHelp(std::function<void(const QString& topic)> help) { help_ = std::move(help); }

  // ---- The full form's state and commands (also for tests) ----
  PrintDialogState& state() { return *state_; }
  const SheetGeometry& sheet() const { return sheet_; }
  const PaperFacts& paper() const { return paper_; }
  SheetPreview* preview() const { return preview_; }
  LayoutList* layoutList() const { return layoutList_; }
  QSpinBox* usesField() const { return uses_; }
  QLineEdit* pageField() const { return pageText_; }
  QLabel* paperName() const { return paperName_; }
  QLabel* countLabel() const { return count_; }
  QCheckBox* landscapeBox() const { return landscape_; }
  QCheckBox* exchangeBox() const { return exchange_; }
  QCheckBox* framesBox() const { return frames_; }
  QAction* copyAction() const { return copy_; }
  QAction* pasteAction() const { return paste_; }
  QAction* correctionAction() const { return correction_; }

  void ChooseLayout(int layout);
  void SetUses(int uses);
  void ShowPage(int page);
  // Draws the preview again; the sheet's geometry and pages are recomputed
  // from the printer and the settings (the shown page kept while the cells
  // per sheet stay).
  void RefreshPreview();
  // A press at `point` of the preview (as the mouse gives it).
  void PressPreview(QPoint point, Qt::MouseButton button);
  // A drop of the pressed entry at `point`, on the preview or the list.
  void DropOnPreview(QPoint point);
  void DropOnLayoutList();
  // The preview menu's items as they are set up when it opens.
  void PrepareMenu();
  // The cropping overlap of entry `index` as the preview made it ({0, 0}
  // before it was drawn).
  std::pair<int, int> SlackOf(int index) const;
  // "印刷": the question, the print dialog and the job.
  void SpeedButton1Click();

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildFull();
  QWidget* BuildBottomBar();
  QWidget* BuildSettingsPanel();
  void BuildMenu();
  void BuildSmall(int verticalAlign, int printTarget);
  void ConnectFull();
  PaperFacts CurrentFacts() const;
  void DropCaches();
  void ShowPaperName();
  void ShowPageText();
  void TakeSettings();
  void TakeOptions();
  void OrientationChanged(bool landscape);
  void PrintPages();
  void OpenCorrection();
  std::optional<CellPicture> PreviewPicture(int entry, const SheetCell& cell);
  QRect PreviewCellRect(int index) const;

  QPrinter* printer_ = nullptr;
  PrintSettings* settings_ = nullptr;
  std::unique_ptr<PrintDialogState> state_;
  PaperFacts paper_;
  SheetGeometry sheet_;
  PreviewPlacement placement_;
  // Preview pictures made for the shown sheet, by what decides their pixels.
  std::map<std::string, std::shared_ptr<const CellPicture>> previewCache_;
  std::map<int, std::pair<int, int>> slack_;  // by entry: cropping overlap
  int pressedIndex_ = -1;
  bool pressInside_ = false;
  int copySource_ = -1;
  bool paperListFailed_ = false;
  std::function<void(const QString&)> help_;

  SheetPreview* preview_ = nullptr;
  LayoutList* layoutList_ = nullptr;
  QLabel* paperName_ = nullptr;
  QCheckBox* fine_ = nullptr;
  QCheckBox* frames_ = nullptr;
  QSpinBox* uses_ = nullptr;
  QCheckBox* landscape_ = nullptr;
  QCheckBox* exchange_ = nullptr;
  QLabel* count_ = nullptr;
  QLineEdit* pageText_ = nullptr;
  QWidget* settingsPanel_ = nullptr;
  QWidget* sliderPanel_ = nullptr;
  QSlider* slider_ = nullptr;
  QSpinBox* marginTop_ = nullptr;
  QSpinBox* marginLeft_ = nullptr;
  QSpinBox* spacing_ = nullptr;
  QSpinBox* customWidth_ = nullptr;
  QSpinBox* customHeight_ = nullptr;
  QCheckBox* printName_ = nullptr;
  QCheckBox* fillCell_ = nullptr;
  QCheckBox* keepRatio_ = nullptr;
  QCheckBox* pageNumbers_ = nullptr;
  QCheckBox* onePage_ = nullptr;
  QMenu* menu_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* correction_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QRadioButton* align_[3] = {};
  QRadioButton* target_[3] = {};
};

}  // namespace lumidex
