#include "plot/windows/picture_export_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/codepage.h"
#include "shell/messagesink.h"
#include "shell/windows/qtext.h"

namespace lumatik {

namespace {

constexpr const char* kSizeHint = "Die Größe in Pixeln als BreitexHöhe, zum Beispiel 1600x1200.";

// The name with the format's extension in place of a picture extension it
// has, or added.
QString WithExtension(const QString& path, PictureFormat format) {
  QString stem = path;
  for (const PictureFormat other : {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf}) {
    const QString extension = QString::fromStdString(PictureExtension(other));
    if (stem.endsWith(extension, Qt::CaseInsensitive)) stem.chop(extension.size());
  }
  return stem.isEmpty() ? stem : stem + QString::fromStdString(PictureExtension(format));
}

}  // namespace

TPictureExportDialog::TPictureExportDialog(QWidget* parent, const QString& path, QSize screenSize)
    : QDialog(parent) {
  setObjectName(QStringLiteral("PictureExportDialog"));
  setWindowTitle(Ui("Als Bild speichern"));
  EDatei = new QLineEdit(path, this);
  EDatei->setObjectName(QStringLiteral("EDatei"));
  EDatei->setMinimumWidth(380);
  BDurchsuchen = new QPushButton(Ui("Durchsuchen …"), this);
  BDurchsuchen->setObjectName(QStringLiteral("BDurchsuchen"));
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(EDatei, 1);
  fileRow->addWidget(BDurchsuchen);

  RBPng = new QRadioButton(Ui("PNG (Pixel)"), this);
  RBSvg = new QRadioButton(Ui("SVG (Vektorgrafik)"), this);
  RBPdf = new QRadioButton(Ui("PDF"), this);
  auto* formats = new QButtonGroup(this);
  auto* formatRow = new QHBoxLayout;
  for (QRadioButton* button : {RBPng, RBSvg, RBPdf}) {
    formats->addButton(button);
    formatRow->addWidget(button);
    connect(button, &QRadioButton::clicked, this, &TPictureExportDialog::FormatClick);
  }
  RBPng->setObjectName(QStringLiteral("RBPng"));
  RBSvg->setObjectName(QStringLiteral("RBSvg"));
  RBPdf->setObjectName(QStringLiteral("RBPdf"));

  EGroesse = new QLineEdit(QStringLiteral("%1x%2").arg(screenSize.width()).arg(screenSize.height()), this);
  EGroesse->setObjectName(QStringLiteral("EGroesse"));
  CBBildschirmfarben = new QCheckBox(Ui("Farben wie am Bildschirm"), this);
  CBBildschirmfarben->setObjectName(QStringLiteral("CBBildschirmfarben"));

  auto* buttons = new QDialogButtonBox(this);
  BSpeichern = buttons->addButton(Ui("Speichern"), QDialogButtonBox::AcceptRole);
  BSpeichern->setObjectName(QStringLiteral("BSpeichern"));
  BSpeichern->setDefault(true);
  buttons->addButton(Ui("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &TPictureExportDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TPictureExportDialog::reject);
  connect(EDatei, &QLineEdit::textEdited, this, &TPictureExportDialog::EDateiEdited);
  connect(BDurchsuchen, &QPushButton::clicked, this, &TPictureExportDialog::BDurchsuchenClick);

  auto* form = new QFormLayout(this);
  form->addRow(Ui("Datei:"), fileRow);
  form->addRow(Ui("Format:"), formatRow);
  form->addRow(Ui("Größe (nur PNG):"), EGroesse);
  form->addRow(CBBildschirmfarben);
  form->addRow(buttons);

  EDateiEdited();
  if (!formats->checkedButton()) RBPng->setChecked(true);
  FormatClick();
  EDatei->setFocus();
}

PictureFormat TPictureExportDialog::format() const {
  if (RBSvg->isChecked()) return PictureFormat::Svg;
  if (RBPdf->isChecked()) return PictureFormat::Pdf;
  return PictureFormat::Png;
}

// The file name follows the format, and the size belongs to PNG alone.
void TPictureExportDialog::FormatClick() {
  EDatei->setText(WithExtension(EDatei->text(), format()));
  EGroesse->setEnabled(format() == PictureFormat::Png);
}

// A name typed with ".svg" or ".pdf" chooses that format.
void TPictureExportDialog::EDateiEdited() {
  const PictureFormat typed = PictureFormatOf(CoreText(EDatei->text()));
  if (typed == PictureFormat::Svg) RBSvg->setChecked(true);
  if (typed == PictureFormat::Pdf) RBPdf->setChecked(true);
  if (EDatei->text().endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) RBPng->setChecked(true);
  EGroesse->setEnabled(format() == PictureFormat::Png);
}

void TPictureExportDialog::BDurchsuchenClick() {
  QFileDialog dialog(this);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({Ui("PNG-Bild (*.png)"), Ui("SVG-Grafik (*.svg)"), Ui("PDF-Dokument (*.pdf)")});
  dialog.selectNameFilter(dialog.nameFilters().value(static_cast<int>(format())));
  const QFileInfo current(EDatei->text());
  dialog.setDirectory(current.absolutePath());
  dialog.selectFile(current.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const int filter = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
  const PictureFormat chosen = filter == 1 ? PictureFormat::Svg : filter == 2 ? PictureFormat::Pdf : PictureFormat::Png;
  (chosen == PictureFormat::Svg ? RBSvg : chosen == PictureFormat::Pdf ? RBPdf : RBPng)->setChecked(true);
  EDatei->setText(WithExtension(dialog.selectedFiles().front(), chosen));
  FormatClick();
}

PictureExportChoice TPictureExportDialog::choice() const {
  PictureExportChoice chosen;
  chosen.format = format();
  chosen.path = WithExtension(EDatei->text().trimmed(), chosen.format);
  if (const auto size = ParsePictureSize(CoreText(EGroesse->text()))) chosen.size = QSize(size->width, size->height);
  chosen.screenColours = CBBildschirmfarben->isChecked();
  return chosen;
}

// A dialog without a file name or, for PNG, without a size stays open.
void TPictureExportDialog::accept() {
  const PictureExportChoice chosen = choice();
  if (chosen.path.isEmpty()) {
    EDatei->setFocus();
    return;
  }
  if (chosen.format == PictureFormat::Png && chosen.size.isEmpty()) {
    ShowMessage(Cp1252(kSizeHint));
    EGroesse->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace lumatik
