#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace sibylon {

// One running program per AppFolder: a later start hands over to the running one through a local
// socket named after the AppFolder (and the user), so two installations do not block each other.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const QString& app_folder, QObject* parent = nullptr);

  // True when a running instance took the hand-over; this one should then end.
  bool HandOverToRunning();

  // Starts answering later starts; each one emits ActivationRequested.
  void Listen();

  const QString& ServerName() const { return server_name_; }

 signals:
  void ActivationRequested();

 private:
  QString server_name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace sibylon
