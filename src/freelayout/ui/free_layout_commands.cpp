#include "freelayout/ui/free_layout_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QFileInfo>
#include <QSlider>
#include <QVBoxLayout>
#include <cstdlib>
#include <filesystem>

#include "foundation/file_types.h"
#include "freelayout/free_layout_menu_rules.h"
#include "freelayout/layout_operations.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_text_dialog.h"
#include "images/exif_reader.h"
#include "platform/image_editor.h"
#include "platform/ui/clipboard_file_list.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

bool ExistingPicture(const FreeLayoutItem& item) { return IsPicturePathValue(item.value) && FileExists(item.value); }

std::vector<ItemKind> KindsOf(const std::vector<FreeLayoutItem>& items) {
  std::vector<ItemKind> kinds;
  for (const FreeLayoutItem& item : items) kinds.push_back(KindOf(item, ExistingPicture(item)));
  return kinds;
}

// The rotation bar "画像の回転": -90 .. 90, two degrees a step, turning the
// item at once; a right press on the bar turns it back to 0.
class RotationBar : public QSlider {
 public:
  using QSlider::QSlider;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton) {
      setValue(0);
      return;
    }
    QSlider::mousePressEvent(event);
  }
};

}  // namespace

FreeLayoutCommands::FreeLayoutCommands(FreeLayoutCanvas& canvas, QObject* parent)
    : QObject(parent), canvas_(canvas), watcher_(new QFileSystemWatcher(this)) {
  connect(&canvas_, &FreeLayoutCanvas::itemMenuRequested, this, &FreeLayoutCommands::ShowItemMenu);
  connect(&canvas_, &FreeLayoutCanvas::canvasMenuRequested, this, &FreeLayoutCommands::ShowCanvasMenu);
  connect(&canvas_, &FreeLayoutCanvas::itemActivated, this, &FreeLayoutCommands::Activate);
  connect(&canvas_, &FreeLayoutCanvas::dropped, this, &FreeLayoutCommands::Dropped);
  // Editors often write a new file over the old one, which ends its watch.
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& file) {
    if (!watcher_->files().contains(file) && QFileInfo::exists(file)) watcher_->addPath(file);
    emit pictureChanged();
  });
  auto shortcut = [this](QKeySequence keys, auto slot) {
    auto* action = new QAction(&canvas_);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    canvas_.addAction(action);
  };
  shortcut(QKeySequence::Copy, [this] { Copy(false); });
  shortcut(QKeySequence::Cut, [this] { Copy(true); });
  shortcut(QKeySequence::Paste, [this] { Paste(); });
}

FreeLayoutCommands::~FreeLayoutCommands() = default;

void FreeLayoutCommands::SetSettings(int imgspace, std::string gTool, std::string aDir) {
  imgspace_ = imgspace;
  gTool_ = std::move(gTool);
  aDir_ = std::move(aDir);
}

void FreeLayoutCommands::AddText(const QString& text, const QPoint& point) {
  const std::string utf8 = ToStdString(text);
  if (utf8.empty()) return;
  if (utf8.size() > kLongestNewText) {
    emit problem(QStringLiteral("テキストが長すぎるため追加できません（%1 KB まで）。").arg(kLongestNewText / 1024));
    return;
  }
  const FreeLayoutItem item = NewTextItem(utf8, point.x(), point.y(), canvas_.scale());
  canvas_.Edit([&](std::vector<FreeLayoutItem>& items) {
    SelectAll(items, false);
    items.push_back(item);
    items.back().selected = true;
  });
}

void FreeLayoutCommands::AddFiles(const QStringList& files, const QPoint& point) {
  std::vector<std::string> pictures;
  int missing = 0;
  int others = 0;
  int beyond = 0;
  // Only as many files are looked at as can be added, so a paste of
  // thousands of files stays quick.
  for (const QString& file : files) {
    if (static_cast<int>(pictures.size()) == kMostAddedFiles) {
      beyond = static_cast<int>(files.size()) - (static_cast<int>(pictures.size()) + missing + others);
      break;
    }
    const std::string path = ToStdString(file);
    if (!FileTypeLists::IsImageType(ExtensionOf(path))) {
      ++others;
    } else if (!FileExists(path)) {
      ++missing;
    } else {
      pictures.push_back(path);
    }
  }
  if (!pictures.empty()) {
    const std::vector<FreeLayoutItem> added = NewPictureItems(pictures, point.x(), point.y(), canvas_.scale());
    canvas_.Edit([&](std::vector<FreeLayoutItem>& items) {
      SelectAll(items, false);
      for (FreeLayoutItem item : added) {
        item.selected = true;
        items.push_back(std::move(item));
      }
    });
  }
  QStringList notes;
  if (missing > 0) notes << QStringLiteral("見つからないファイル %1 個は追加しませんでした。").arg(missing);
  if (others > 0) notes << QStringLiteral("画像ではないファイル %1 個は追加しませんでした。").arg(others);
  if (beyond > 0) {
    notes << QStringLiteral("一度に追加できるのは %1 個までです。残りの %2 個は追加しませんでした。")
                 .arg(kMostAddedFiles)
                 .arg(beyond);
  }
  if (!notes.isEmpty()) emit problem(notes.join(QLatin1Char('\n')));
}

void FreeLayoutCommands::AddPicturesFromDialog() {
  const QStringList files = QFileDialog::getOpenFileNames(
      canvas_.window(), QStringLiteral("画像を追加"), ToQString(aDir_),
      QStringLiteral("画像ファイル (*.jpg *.jpeg *.png *.gif *.bmp *.ico);;すべてのファイル (*)"));
  if (!files.isEmpty()) AddFiles(files, canvas_.pastePoint());
}

void FreeLayoutCommands::Copy(bool cut) {
  const CopiedItems copied = CopySelected(canvas_.items(), FileExists);
  if (copied.empty()) return;
  copied_ = copied;
  if (!copied.files.empty()) {
    QApplication::clipboard()->setMimeData(FileListMimeData(copied.files, false).release());
  } else {
    QApplication::clipboard()->setText(ToQString(copied.text));
  }
  if (cut) canvas_.Edit([](std::vector<FreeLayoutItem>& items) { DeleteSelected(items); });
}

void FreeLayoutCommands::Paste() {
  const QMimeData* mime = QApplication::clipboard()->mimeData();
  if (mime == nullptr) return;
  QStringList files;
  for (const std::string& file : LocalFilesOf(*mime)) files << ToQString(file);
  const QString data = files.isEmpty() ? mime->text() : files.join(QStringLiteral("\r\n"));
  if (IsOwnPaste(copied_, ToStdString(data))) {
    // Items of this program keep their place, size, flags and rotation; a
    // copied picture whose file went meanwhile comes back as missing.
    const std::vector<FreeLayoutItem> pasted = ItemsOfCopied(copied_.lines, 0);
    canvas_.Edit([&](std::vector<FreeLayoutItem>& items) {
      SelectAll(items, false);
      items.insert(items.end(), pasted.begin(), pasted.end());
    });
    return;
  }
  if (!files.isEmpty()) {
    AddFiles(files, canvas_.pastePoint());
  } else if (!data.isEmpty()) {
    AddText(data, canvas_.pastePoint());
  }
}

void FreeLayoutCommands::Dropped(const QStringList& files, const QString& text, const QPoint& point) {
  // Files from the file manager are pictures, one item each.
  if (!files.isEmpty()) {
    AddFiles(files, point);
  } else {
    AddText(text, point);
  }
}

void FreeLayoutCommands::Activate(int index) {
  const std::vector<FreeLayoutItem>& items = canvas_.items();
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  if (IsPicturePathValue(items[index].value)) {
    if (FileExists(items[index].value)) QProcess::startDetached(QStringLiteral("xdg-open"), {ToQString(items[index].value)});
    return;
  }
  EditText(index);
}

void FreeLayoutCommands::EditText(int index) {
  const std::vector<FreeLayoutItem>& items = canvas_.items();
  if (index < 0 || index >= static_cast<int>(items.size()) || IsPicturePathValue(items[index].value)) return;
  int texts = 0;
  for (const FreeLayoutItem& item : items) texts += item.selected && !IsPicturePathValue(item.value) ? 1 : 0;
  const bool several = texts > 1;
  FreeLayoutTextDialog dialog(items[index], several, look_, canvas_.window());
  if (dialog.exec() != QDialog::Accepted) return;
  canvas_.Edit([&](std::vector<FreeLayoutItem>& list) {
    for (size_t i = 0; i < list.size(); ++i) {
      if (IsPicturePathValue(list[i].value)) continue;
      if (several && list[i].selected) {
        dialog.ApplyTo(list[i], !dialog.textForAll());
      } else if (!several && static_cast<int>(i) == index) {
        dialog.ApplyTo(list[i], false);
      }
    }
  });
}

void FreeLayoutCommands::Rotate(int index) {
  const std::vector<FreeLayoutItem> before = canvas_.items();
  if (index < 0 || index >= static_cast<int>(before.size()) || !IsPicturePathValue(before[index].value)) return;
  QDialog dialog(canvas_.window());
  dialog.setObjectName(QStringLiteral("RotationDialog"));
  dialog.setWindowTitle(QStringLiteral("画像の回転"));
  auto* bar = new RotationBar(Qt::Horizontal, &dialog);
  bar->setRange(-90, 90);
  bar->setTickInterval(6);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setValue(BarOfRotation(before[index].rotation));
  auto* label = new QLabel(ToQString(RotationLabel(bar->value())), &dialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("画像の表示角度を変更して下さい"), &dialog));
  layout->addWidget(bar);
  layout->addWidget(label);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  // The item turns at once while the bar moves.
  connect(bar, &QSlider::valueChanged, &dialog, [&](int position) {
    label->setText(ToQString(RotationLabel(position)));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(true);
    std::vector<FreeLayoutItem> preview = before;
    preview[index].rotation = RotationOfBar(position);
    canvas_.Preview(std::move(preview));
  });
  if (dialog.exec() != QDialog::Accepted) {
    canvas_.Preview(before);
    return;
  }
  std::vector<FreeLayoutItem> turned = before;
  turned[index].selected = true;
  RotateSelected(turned, RotationOfBar(bar->value()));
  canvas_.Preview(std::move(turned));
  canvas_.Commit(before);
}

void FreeLayoutCommands::AddExifTexts() {
  const LayoutScale scale = canvas_.scale();
  std::vector<FreeLayoutItem> texts;
  for (const FreeLayoutItem& item : canvas_.items()) {
    if (!item.selected || !ExistingPicture(item)) continue;
    const std::string summary = ExifSummary(item.value, false);
    if (summary.empty() || summary.starts_with("Exif")) continue;
    const std::string name = std::filesystem::path(item.value).filename().string();
    const CanvasRect rect = ItemPixelRect(item, scale);
    texts.push_back(NewTextItem("■" + name + "\r\n" + summary, rect.left + 8, rect.top + 8, scale));
  }
  if (texts.empty()) {
    emit problem(QStringLiteral("何れのファイルからも撮影情報が取得できませんでした。"));
    return;
  }
  canvas_.Edit([&](std::vector<FreeLayoutItem>& items) { items.insert(items.end(), texts.begin(), texts.end()); });
}

void FreeLayoutCommands::OpenInEditor(int index, bool desktopEditor) {
  const std::vector<FreeLayoutItem>& items = canvas_.items();
  if (index < 0 || index >= static_cast<int>(items.size()) || !ExistingPicture(items[index])) return;
  if (pictureEditor_) {
    pictureEditor_(items[index].value, desktopEditor);
    return;
  }
  const char* path = std::getenv("PATH");
  const std::string editor = platform::FindImageEditor(desktopEditor ? std::string() : gTool_, path != nullptr ? path : "");
  if (editor.empty() || !QProcess::startDetached(ToQString(editor), {ToQString(items[index].value)})) {
    emit problem(QStringLiteral("画像を編集するプログラムを起動できません。"));
    return;
  }
  watcher_->addPath(ToQString(items[index].value));
}

void FreeLayoutCommands::BringBackOutside() {
  const LayoutScale scale = canvas_.scale();
  canvas_.Edit([&](std::vector<FreeLayoutItem>& items) { lumidex::BringBackOutside(items, scale); });
}

std::vector<std::optional<ItemPixelSize>> FreeLayoutCommands::SelectedPictureSizes(
    const std::vector<FreeLayoutItem>& items) const {
  std::vector<std::optional<ItemPixelSize>> sizes(items.size());
  if (!pictureSizeOf_) return sizes;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].selected && ExistingPicture(items[i])) sizes[i] = pictureSizeOf_(items[i].value);
  }
  return sizes;
}

void FreeLayoutCommands::ToggleFlag(bool FreeLayoutItem::*flag, bool on) {
  canvas_.Edit([&](std::vector<FreeLayoutItem>& items) {
    for (FreeLayoutItem& item : items) {
      // Edge correction corrects the edges of a rotated picture only.
      const bool applies = flag != &FreeLayoutItem::edgeFix || item.rotation > 0;
      if (item.selected && applies && ExistingPicture(item)) item.*flag = on;
    }
  });
}

void FreeLayoutCommands::ShowItemMenu(int index, const QPoint& globalPos) {
  const std::vector<FreeLayoutItem>& items = canvas_.items();
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  const FreeLayoutItem item = items[index];
  ItemMenuState state;
  state.kind = !IsPicturePathValue(item.value) ? ItemMenuState::Kind::kText
               : ExistingPicture(item)         ? ItemMenuState::Kind::kPicture
                                               : ItemMenuState::Kind::kMissingPicture;
  state.jpeg = ExtensionOf(item.value) == ".jpg";
  state.selectedCount = SelectedCount(items);
  state.rotated = item.rotation > 0;
  state.imgshadow = look_.imgshadow;
  state.keepAspect = item.keepAspect;
  state.clearBack = item.clearBack;
  state.edgeFix = item.edgeFix;
  const ItemMenuOffer offer = ItemMenuOfferFor(state);
  const LayoutScale scale = canvas_.scale();
  auto edit = [this](auto operation) { return [this, operation] { canvas_.Edit(operation); }; };

  QMenu menu(canvas_.window());
  menu.setObjectName(QStringLiteral("PopupMenu6"));
  const auto add = [this](QMenu* to, const char* name, const QString& caption, auto slot) {
    return AddMenuCommand(to, name, caption, this, slot);
  };
  add(&menu, "TextEditMenu", QStringLiteral("テキストの編集(&E)"), [this, index] { EditText(index); })
      ->setVisible(offer.editText);
  add(&menu, "ExifTextMenu", QStringLiteral("撮影情報でテキストを追加"), [this] { AddExifTexts(); })
      ->setVisible(offer.exifTexts);
  menu.addSeparator();
  add(&menu, "ItemCopyMenu", QStringLiteral("コピー(&C)"), [this] { Copy(false); });
  add(&menu, "ItemCutMenu", QStringLiteral("切り取り(&T)"), [this] { Copy(true); });
  QMenu* place = menu.addMenu(QStringLiteral("配置"));
  place->menuAction()->setObjectName(QStringLiteral("ItemPlaceMenu"));
  add(place, "ToTopMenu", QStringLiteral("最前面(&T)"), edit([index](auto& list) { ToTop(list, index); }));
  add(place, "ToBottomMenu", QStringLiteral("最後面"), edit([index](auto& list) { ToBottom(list, index); }));
  add(place, "SwapMenu", QStringLiteral("画像の位置を入れ換える"),
      edit([index](auto& list) { SwapWithSelected(list, index); }))
      ->setEnabled(offer.swap);
  place->addSeparator();
  auto several = [&](const char* name, const QString& caption, auto operation) {
    add(place, name, caption, edit(operation))->setEnabled(offer.several);
  };
  several("ArrangeMenu", QStringLiteral("左上から順に並べる"),
          [scale, space = imgspace_](auto& list) { ArrangeFromTopLeft(list, scale, space); });
  several("AlignLeftMenu", QStringLiteral("左を揃える"), [index](auto& list) { AlignLeft(list, index); });
  several("AlignTopMenu", QStringLiteral("上を揃える"), [index](auto& list) { AlignTop(list, index); });
  several("SpaceLeftMenu", QStringLiteral("左から等間隔に揃える"),
          [index, scale](auto& list) { EqualSpacingLeft(list, index, scale); });
  several("SpaceTopMenu", QStringLiteral("上から等間隔に揃える"),
          [index, scale](auto& list) { EqualSpacingTop(list, index, scale); });
  several("SameSizeMenu", QStringLiteral("サイズを合わせる"),
          [index](auto& list) { SameSize(list, KindsOf(list), index); });
  add(place, "SameScaleMenu", QStringLiteral("サイズの縮小率を合わせる"), [this, index, scale] {
    std::vector<FreeLayoutItem> list = canvas_.items();
    if (index < static_cast<int>(list.size())) list[index].selected = true;
    const PictureSizes sizes = SelectedPictureSizes(list);
    canvas_.Edit([&](auto& items) { SameScale(items, sizes, index, scale); });
  })->setEnabled(offer.sameScale);
  add(&menu, "RotateMenu", QStringLiteral("画像の回転"), [this, index] { Rotate(index); })
      ->setVisible(offer.pictureItems);
  QMenu* editing = menu.addMenu(QStringLiteral("画像の編集(&E)"));
  editing->menuAction()->setObjectName(QStringLiteral("ItemEditMenu"));
  editing->menuAction()->setVisible(offer.pictureItems);
  add(editing, "ItemToolMenu", QStringLiteral("ツールを開く"), [this, index] { OpenInEditor(index, false); });
  add(editing, "ItemPaintMenu", QStringLiteral("ペイント"), [this, index] { OpenInEditor(index, true); });
  auto toggle = [&](const char* name, const QString& caption, bool checked, bool visible) {
    QAction* action = AddMenuCommand(&menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    action->setVisible(visible);
    return action;
  };
  QAction* keep = toggle("KeepAspectMenu", QStringLiteral("幅と高さの比率を固定(&A)"),
                         offer.keepAspectChecked, offer.pictureItems);
  connect(keep, &QAction::toggled, this, [this, scale](bool on) {
    const PictureSizes sizes = SelectedPictureSizes(canvas_.items());
    canvas_.Edit([&](auto& items) { KeepProportions(items, sizes, on, scale); });
  });
  QAction* clear = toggle("ClearBackMenu", QStringLiteral("画像の背景を透過"), offer.clearBackChecked,
                          offer.pictureItems);
  connect(clear, &QAction::toggled, this, [this](bool on) { ToggleFlag(&FreeLayoutItem::clearBack, on); });
  QAction* edge = toggle("EdgeFixMenu", QStringLiteral("画像の影を補正"), offer.edgeFixChecked,
                         offer.edgeFixShown);
  connect(edge, &QAction::toggled, this, [this](bool on) { ToggleFlag(&FreeLayoutItem::edgeFix, on); });
  menu.addSeparator();
  add(&menu, "ItemDeleteMenu", QStringLiteral("削除(&D)"), edit([](auto& list) { DeleteSelected(list); }))
      ->setShortcut(QKeySequence(Qt::Key_Delete));
  menu.exec(globalPos);
}

void FreeLayoutCommands::ShowCanvasMenu(const QPoint& globalPos) {
  const LayoutScale scale = canvas_.scale();
  CanvasMenuState state;
  for (const FreeLayoutItem& item : canvas_.items()) state.itemsOutside = state.itemsOutside || IsOutside(item, scale);
  state.hasItems = !canvas_.items().empty();
  state.clipboardHasFilesOrText = ClipboardHoldsFilesOrText();
  state.canUndo = canvas_.canUndo();
  state.canRedo = canvas_.canRedo();
  const CanvasMenuOffer offer = CanvasMenuOfferFor(state);
  const QPoint point = canvas_.pastePoint();

  QMenu menu(canvas_.window());
  menu.setObjectName(QStringLiteral("PopupMenu7"));
  const auto add = [this, &menu](const char* name, const QString& caption, auto slot) {
    return AddMenuCommand(&menu, name, caption, this, slot);
  };
  add("AddPictureMenu", QStringLiteral("画像を追加(&G)"), [this] { AddPicturesFromDialog(); });
  add("AddTextMenu", QStringLiteral("テキストを追加(&T)"), [this, point] { AddText(QStringLiteral("TEXT"), point); });
  add("BringBackMenu", QStringLiteral("ウィンドウ外の画像を戻す"), [this] { BringBackOutside(); })
      ->setVisible(offer.bringBack);
  add("RepairMenu3", QStringLiteral("不明ファイルの再設定"), [this] { emit repairRequested(); });
  add("TextsToFrontMenu", QStringLiteral("テキストを前面に移動"),
      [this] { canvas_.Edit([](auto& list) { TextsToFront(list); }); })
      ->setEnabled(offer.selection);
  menu.addSeparator();
  add("SelectAllMenu", QStringLiteral("全て選択(&A)"), [this] {
    std::vector<FreeLayoutItem> all = canvas_.items();
    SelectAll(all);
    canvas_.Preview(std::move(all));
  })->setEnabled(offer.selection);
  add("InvertMenu", QStringLiteral("選択の切り替え(&I)"), [this] {
    std::vector<FreeLayoutItem> inverted = canvas_.items();
    InvertSelection(inverted);
    canvas_.Preview(std::move(inverted));
  })->setEnabled(offer.selection);
  add("CanvasPasteMenu", QStringLiteral("貼り付け(&P)"), [this] { Paste(); })->setEnabled(offer.paste);
  menu.addSeparator();
  add("UndoMenu", QStringLiteral("元に戻す"), [this] { canvas_.Undo(); })->setEnabled(offer.undo);
  add("RedoMenu", QStringLiteral("やり直し"), [this] { canvas_.Redo(); })->setEnabled(offer.redo);
  menu.exec(globalPos);
}

}  // namespace lumidex
