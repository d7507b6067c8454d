#include "mainwindow/ui/version_box.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <QtGlobal>

#include "foundation/file_paths.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/version_text.h"
#include "platform/environment.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kIconSize = 64;

std::vector<LibraryVersion> LibraryVersions() {
  std::vector<LibraryVersion> libraries = {{"Qt", QT_VERSION_STR, qVersion()}};
  for (LibraryVersion& library : PictureLibraryVersions()) libraries.push_back(std::move(library));
  return libraries;
}

}  // namespace

VersionBox::VersionBox(const QIcon& icon, Colour background, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("VersionBox"));
  setWindowTitle(QStringLiteral("バージョン情報"));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(background));
  setPalette(palette);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("ProgramIcon"));
  picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
  picture->setAlignment(Qt::AlignTop);
  text_ = new QLabel(ToQString(VersionText(ProgramVersion(), LibraryVersions())), this);
  text_->setObjectName(QStringLiteral("VersionText"));
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->setSpacing(16);
  row->addWidget(picture);
  row->addWidget(text_, 1);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(20, 16, 20, 12);
  column->addLayout(row);
  column->addWidget(buttons);
}

QIcon ProgramIcon() {
  QIcon icon = QIcon::fromTheme(QStringLiteral("lumidex-album"));
  if (!icon.isNull()) return icon;
  // share/lumidex-album and share/icons are neighbours, installed or not.
  const QString hicolor = ToQString(FolderOf(platform::ShareFolder())) + QStringLiteral("/icons/hicolor/");
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString file = hicolor + QStringLiteral("%1x%1/apps/lumidex-album.png").arg(size);
    if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
  }
  return icon;
}

QAction* AddVersionInformationItem(QMenu& help, TForm1& window) {
  QAction* item = help.addAction(QStringLiteral("Version Information(&A)"));
  item->setObjectName(QStringLiteral("VersionInformation1"));
  QObject::connect(item, &QAction::triggered, &window, [&window] {
    VersionBox box(ProgramIcon(), window.scheme().versionBoxColour(), &window);
    box.exec();
  });
  return item;
}

}  // namespace lumidex
