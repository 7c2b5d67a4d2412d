#include "screenshot/windows/preview_window.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QSaveFile>
#include <QScrollArea>

#include <optional>
#include <string>

#include "screenshot/jpeg_export.h"
#include "screenshot/picture_scale.h"
#include "screenshot/windows/capture_window.h"
#include "screenshot/windows/top_left_marker.h"
#include "screenshot/windows/bottom_right_marker.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"
#include "shell/windows/window_front.h"

namespace lumatik {

namespace {

constexpr int kImageLeft = 2;
constexpr int kImageTop = 2;

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(name));
  return action;
}

// The picture's pixels as the JPEG writer takes them: RGB rows without padding.
RgbPicture RgbRows(const QImage& image) {
  RgbPicture picture;
  if (image.isNull()) return picture;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  picture.width = rgb.width();
  picture.height = rgb.height();
  const std::size_t rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
  picture.pixels.resize(rowBytes * static_cast<std::size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* row = rgb.constScanLine(y);
    std::copy(row, row + rowBytes, picture.pixels.begin() + static_cast<std::ptrdiff_t>(rowBytes * y));
  }
  return picture;
}

// The file appears under its name only when it is complete, and an older
// file of that name survives a failure.
bool SaveBmp(const QImage& picture, const QString& path) {
  if (picture.isNull()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!picture.save(&file, "BMP")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form_ba4"));
  setWindowTitle(Ui("Vorschau"));

  Datei1 = menuBar()->addMenu(Ui("Datei"));
  Datei1->setObjectName(QStringLiteral("Datei1"));
  Zurck1 = AddItem(Datei1, "Zurck1", Ui("Zurück zur Aufnahme"));
  BildindieZwischenablageundschlieen1 = AddItem(Datei1, "BildindieZwischenablageundschlieen1",
                                                Ui("Bild in die Zwischenablage und beenden"));
  Speichern1 = AddItem(Datei1, "Speichern1", Ui("Speichern als BMP-Datei"));
  for (std::size_t i = 0; i < kJpegQualities.size(); ++i) {
    const int quality = kJpegQualities[i];
    const std::string name = "jpgspeichern" + std::to_string(quality);
    JpgItems[i] = AddItem(Datei1, name.c_str(), QtText(JpegItemCaption(quality)));
    connect(JpgItems[i], &QAction::triggered, this, [this, quality] { jpgspeichernClick(quality); });
  }
  Datei1->addSeparator();
  Beenden1 = AddItem(Datei1, "Beenden1", Ui("Beenden"));
  Bearbeiten1 = menuBar()->addMenu(Ui("Bearbeiten"));
  Bearbeiten1->setObjectName(QStringLiteral("Bearbeiten1"));
  kleiner = AddItem(Bearbeiten1, "kleiner", Ui("Größe verändern"));
  UrsprnglichesBild1 = AddItem(Bearbeiten1, "UrsprnglichesBild1", Ui("Ursprüngliches Bild"));

  connect(Zurck1, &QAction::triggered, this, &PreviewWindow::Zurck1Click);
  connect(BildindieZwischenablageundschlieen1, &QAction::triggered, this,
          &PreviewWindow::BildindieZwischenablageundschlieen1Click);
  connect(Speichern1, &QAction::triggered, this, &PreviewWindow::Speichern1Click);
  connect(Beenden1, &QAction::triggered, this, &PreviewWindow::Beenden1Click);
  connect(kleiner, &QAction::triggered, this, &PreviewWindow::kleinerClick);
  connect(UrsprnglichesBild1, &QAction::triggered, this, &PreviewWindow::UrsprnglichesBild1Click);

  // A picture larger than the window can be scrolled.
  scroller_ = new QScrollArea(this);
  ground_ = new QWidget;
  ground_->setObjectName(QStringLiteral("ground"));
  QPalette red = ground_->palette();
  red.setColor(QPalette::Window, Qt::red);
  ground_->setPalette(red);
  ground_->setAutoFillBackground(true);
  scroller_->setPalette(red);
  scroller_->setBackgroundRole(QPalette::Window);
  scroller_->setFrameShape(QFrame::NoFrame);
  Image1 = new QLabel(ground_);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->move(kImageLeft, kImageTop);
  scroller_->setWidget(ground_);
  setCentralWidget(scroller_);

  currentFolder_ = QDir::currentPath();
  resize(400, 300);
}

void PreviewWindow::SetPicture(const QImage& picture) {
  picture_ = picture;
  Image1->setPixmap(QPixmap::fromImage(picture_));
  Image1->resize(picture_.size());
  ground_->resize(kImageLeft + picture_.width(), kImageTop + picture_.height());
}

// The caption keeps the name the help of "?" gives the window, the
// picture's size beside it.
void PreviewWindow::ShowCapture(const QImage& picture) {
  SetPicture(picture);
  showMaximized();
  setWindowTitle(Ui("Vorschau ") + QString::number(picture_.width()) + QLatin1Char('x') +
                 QString::number(picture_.height()));
}

void PreviewWindow::ShowSizeInCaption() {
  setWindowTitle(Ui("Vorschau ") + QString::number(picture_.width()) + QLatin1Char('*') +
                 QString::number(picture_.height()));
}

void PreviewWindow::Zurck1Click() {
  if (topLeftMarker) topLeftMarker->show();
  if (bottomRightMarker) bottomRightMarker->show();
  BringToFront(captureWindow);
  hide();
}

void PreviewWindow::BildindieZwischenablageundschlieen1Click() {
  if (!picture_.isNull()) QGuiApplication::clipboard()->setImage(picture_);
  if (captureWindow) captureWindow->close();
  close();
}

void PreviewWindow::kleinerClick() {
  bool confirmed = false;
  QString typed = QInputDialog::getText(this, Ui("Vergrößern Verkleinern"), Ui("Um welchen Prozentsatz"),
                                        QLineEdit::Normal, QStringLiteral("100"), &confirmed);
  // A cancelled input box answers with its default.
  if (!confirmed) typed = QStringLiteral("100");
  const std::optional<Extended> percent = PercentFromText(CoreText(typed));
  if (!percent) return;
  const std::optional<PictureSize> size = ScaledSize({picture_.width(), picture_.height()}, *percent);
  if (!size) return;
  // The whole picture goes into the whole new one.
  if (size->width != picture_.width() || size->height != picture_.height()) {
    const QImage scaled =
        picture_.scaled(size->width, size->height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull()) return;
    SetPicture(scaled);
  }
  ShowSizeInCaption();
}

void PreviewWindow::UrsprnglichesBild1Click() {
  const QImage kept = QGuiApplication::clipboard()->image();
  // Something else than a picture in the clipboard leaves the image as it is.
  if (kept.isNull()) return;
  SetPicture(kept);
  ShowSizeInCaption();
}

QString PreviewWindow::RunSaveDialog(const char* name, const char* filter, const char* extension,
                                 const QString& folder) {
  // A fresh dialog each time: a reused one would offer the last file name again.
  QFileDialog dialog(this);
  dialog.setObjectName(QLatin1String(name));
  // The same dialog on every desktop, and one that tests can answer.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(Ui(filter));
  dialog.setDefaultSuffix(QLatin1String(extension));
  dialog.setSizeGripEnabled(true);
  dialog.setDirectory(folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  const QString chosen = dialog.selectedFiles().front();
  currentFolder_ = QFileInfo(chosen).absolutePath();
  return chosen;
}

void PreviewWindow::Speichern1Click() {
  // Pictures go to the user's own folder; the file system's root is not writable for users.
  const QString chosen = RunSaveDialog("SaveDialog1", "Bitmap-Dateien (*.bmp)", "bmp", QDir::homePath());
  // A picture that did not reach the disk is not saved either.
  if (chosen.isEmpty() || !SaveBmp(picture_, chosen)) ShowMessage("Nicht gespeichert");
}

void PreviewWindow::jpgspeichernClick(int quality) {
  const RgbPicture rows = RgbRows(picture_);
  ShowSizeInCaption();
  const QString chosen = RunSaveDialog("SaveDialog2", "JPG-Dateien (*.jpg)", "jpg", currentFolder_);
  // A picture that did not reach the disk is not saved either.
  if (chosen.isEmpty() || !WriteJpegFile(QFile::encodeName(chosen).toStdString(), rows, quality).ok) {
    ShowMessage("Nicht gespeichert");
  }
}

void PreviewWindow::Beenden1Click() {
  if (captureWindow) captureWindow->close();
  close();
}

}  // namespace lumatik
