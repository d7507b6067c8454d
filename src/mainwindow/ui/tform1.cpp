#include "mainwindow/ui/tform1.h"

#include <QLabel>

#include "foundation/app_identity.h"

namespace lumidex {

TForm1::TForm1(std::unique_ptr<AppEnvironment> environment, QWidget* parent)
    : QMainWindow(parent), environment_(std::move(environment)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kAppTitle.data(), static_cast<int>(kAppTitle.size())));
  resize(772, 499);
  setMinimumHeight(381);
  auto* placeholder = new QLabel(this);
  placeholder->setAlignment(Qt::AlignCenter);
  placeholder->setStyleSheet(QStringLiteral("background: white;"));
  setCentralWidget(placeholder);
}

TForm1::~TForm1() = default;

}  // namespace lumidex
