#pragma once

#include <QObject>
#include <QVariantMap>

namespace lumatik {

// Receives the desktop portal's answer to one request (its Response signal).
class PortalResponse : public QObject {
  Q_OBJECT

 public:
  bool received = false;
  uint code = 2;
  QVariantMap results;

 public slots:
  void Receive(uint response, const QVariantMap& answer) {
    received = true;
    code = response;
    results = answer;
    emit answered();
  }

 signals:
  void answered();
};

}  // namespace lumatik
