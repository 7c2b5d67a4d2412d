#pragma once

#include <QWidget>

namespace lumatik {

// The list window of the plotter: the plot list as editable text.
class TForm3sb : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3sb(QWidget* parent = nullptr);
};

}  // namespace lumatik
