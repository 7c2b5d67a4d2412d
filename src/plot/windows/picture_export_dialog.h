#pragma once

// The dialog of "Als Bild speichern …": the file, its format (PNG, SVG or
// PDF), the size of a PNG picture and whether the screen's colours stay.

#include <QDialog>
#include <QSize>
#include <QString>

#include "plot/picture_files.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumatik {

struct PictureExportChoice {
  QString path;
  PictureFormat format = PictureFormat::Png;
  QSize size;  // of a PNG picture
  bool screenColours = false;
};

class TPictureExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Proposes the file and a PNG of the screen's size.
  TPictureExportDialog(QWidget* parent, const QString& path, QSize screenSize);
  PictureExportChoice choice() const;

  QLineEdit* EDatei = nullptr;
  QPushButton* BDurchsuchen = nullptr;
  QRadioButton* RBPng = nullptr;
  QRadioButton* RBSvg = nullptr;
  QRadioButton* RBPdf = nullptr;
  QLineEdit* EGroesse = nullptr;
  QCheckBox* CBBildschirmfarben = nullptr;
  QPushButton* BSpeichern = nullptr;

 public slots:
  void accept() override;

 private:
  PictureFormat format() const;
  void FormatClick();
  void EDateiEdited();
  void BDurchsuchenClick();
};

}  // namespace lumatik
