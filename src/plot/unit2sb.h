#pragma once

#include <QWidget>

namespace lumatik {

// The full-screen graph window.
class TForm2sb : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2sb(QWidget* parent = nullptr);
};

}  // namespace lumatik
