#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

namespace lumatik {

// The screenshot tool's preview: the captured picture on a red ground, with
// the export commands ("Datei") and scaling ("Bearbeiten").
class PreviewWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit PreviewWindow(QWidget* parent = nullptr);

  QMenu* Datei1 = nullptr;
  QAction* Zurck1 = nullptr;
  QAction* BildindieZwischenablageundschlieen1 = nullptr;
  QAction* Speichern1 = nullptr;
  std::array<QAction*, 11> JpgItems{};  // "(100%)" down to "(5%)"
  QAction* Beenden1 = nullptr;
  QMenu* Bearbeiten1 = nullptr;
  QAction* kleiner = nullptr;  // "Größe verändern"
  QAction* UrsprnglichesBild1 = nullptr;
  QLabel* Image1 = nullptr;

  // The captured picture arrives: caption "400x300", the window maximised.
  void ShowCapture(const QImage& picture);
  // The image's picture, as it would be saved.
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);

  void Zurck1Click();
  void BildindieZwischenablageundschlieen1Click();
  void kleinerClick();
  void UrsprnglichesBild1Click();
  void Speichern1Click();
  void jpgspeichernClick(int quality);
  void Beenden1Click();

 private:
  // Runs a save dialog made for this one question; the chosen path, or
  // empty when cancelled.
  QString RunSaveDialog(const char* name, const char* filter, const char* extension, const QString& folder);
  void ShowSizeInCaption();

  QScrollArea* scroller_ = nullptr;
  QWidget* ground_ = nullptr;  // the red area the image sits on
  QImage picture_;
  // Where the last confirmed save dialog left off; the JPEG dialog starts there.
  QString currentFolder_;
};

}  // namespace lumatik
