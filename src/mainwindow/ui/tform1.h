#pragma once

#include <QMainWindow>
#include <memory>

#include "foundation/app_environment.h"

namespace lumidex {

// The main window: the frame in which every view of the album lives. It owns
// the album environment for the run and holds no album logic of its own.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(std::unique_ptr<AppEnvironment> environment, QWidget* parent = nullptr);
  ~TForm1() override;

  AppEnvironment& environment() { return *environment_; }

 private:
  std::unique_ptr<AppEnvironment> environment_;
};

}  // namespace lumidex
