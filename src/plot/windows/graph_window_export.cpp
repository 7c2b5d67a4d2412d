// "Als Bild speichern …" of the graph window's popup menu and of the input
// window's menu "Drucken": the graph as it is shown, drawn again from its
// canvas operations into a picture file.

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "plot/drawing_tape.h"
#include "plot/paint/picture_writer.h"
#include "plot/picture_files.h"
#include "plot/windows/picture_export_dialog.h"
#include "plot/windows/graph_window.h"
#include "shell/messagesink.h"

namespace lumatik {

namespace {

// The file of the last picture in this run; the first one goes to the
// pictures folder.
QString& LastPicturePath() {
  static QString path = [] {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("schaubild.png"));
  }();
  return path;
}

}  // namespace

void GraphWindow::AlsBildspeichern1Click() {
  const QSize drawn(tape_.width() > 0 ? tape_.width() : width(), tape_.height() > 0 ? tape_.height() : height());
  TPictureExportDialog dialog(this, LastPicturePath(), drawn);
  if (dialog.exec() != QDialog::Accepted) return;
  const PictureExportChoice choice = dialog.choice();
  LastPicturePath() = choice.path;
  // A drawing on the screen's black goes to paper black on white.
  const bool paper = !choice.screenColours && tape_.background() == kBlack;
  const Colour background = paper ? FillOnPaper(tape_.background()) : tape_.background();
  const bool written = WritePicture(choice.path, choice.format, drawn, choice.size, background,
                                    [&](Canvas& canvas) { Replay(tape_.ops(), canvas, paper); });
  if (!written) ShowMessage("Bild nicht gespeichert");
}

}  // namespace lumatik
