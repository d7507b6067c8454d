#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

namespace lumidex {

// Keeps the screen saver and suspend away while something is watched (the
// slide show), through the desktop's freedesktop "org.freedesktop.ScreenSaver"
// service on the session bus (Inhibit / UnInhibit). Without a session bus or
// without the service nothing happens and nothing is reported: the show runs
// all the same. The calls are asynchronous, so a slow or absent service never
// holds up the window; an UnInhibit asked for before the Inhibit's answer
// arrived is sent when it arrives. Main thread only.
class ScreenSaverInhibitor : public QObject {
  Q_OBJECT

 public:
  explicit ScreenSaverInhibitor(QString applicationName, QObject* parent = nullptr);
  // Lifts an inhibition still in force.
  ~ScreenSaverInhibitor() override;

  // Asks the service to keep the screen awake, giving `reason`. Does nothing
  // while already inhibited.
  void Inhibit(const QString& reason);
  // Lifts the inhibition. Does nothing when none is in force.
  void Release();

  // Whether an inhibition was asked for and not lifted.
  bool inhibited() const { return wanted_; }
  // The service's cookie for the inhibition in force, 0 when there is none
  // (yet).
  uint32_t cookie() const { return cookie_; }

 signals:
  // The service answered an Inhibit (for tests and diagnostics).
  void answered(bool granted);

 private:
  void SendUnInhibit(uint32_t cookie) const;

  const QString applicationName_;
  bool wanted_ = false;    // Inhibit was called and Release not yet
  bool pending_ = false;   // an Inhibit call awaits its answer
  uint32_t cookie_ = 0;
};

}  // namespace lumidex
