// "Schaubild drucken" and "Schaubild drucken mit Text": the graph, black on
// white, on one page of the printer the user picks in the print dialog. The
// dialog also offers a PDF file, so a user without a printer still gets the
// page.

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <string>
#include <vector>

#include "plot/graphprint.h"
#include "plot/paint/plot_picture.h"
#include "plot/plotter_state.h"
#include "plot/windows/function_input_window.h"
#include "shell/messagesink.h"

namespace lumatik {

namespace {

// Whether a page can start at all: the painter gives no answer that the
// canvas passes on, and a page that never began must not look printed.
bool CanPrintTo(const QPrinter& printer) {
  if (!printer.isValid()) return false;
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    QFile file(printer.outputFileName());
    return !printer.outputFileName().isEmpty() && file.open(QIODevice::WriteOnly);
  }
  return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

}  // namespace

void FunctionInputWindow::Schaubilddrucken1Click(QObject* sender) {
  QPrinter printer(QPrinter::HighResolution);
  if (!Plotter().LastPrintFile.empty()) printer.setOutputFileName(QString::fromStdString(Plotter().LastPrintFile));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
    Plotter().LastPrintFile = printer.outputFileName().toStdString();
  if (!PrintGraphOn(printer, sender != nullptr && sender == SchaubilddruckenmitText1)) {
    ShowMessage("Nicht gedruckt");
  }
}

bool FunctionInputWindow::PrintGraphOn(QPrinter& printer, bool withText) {
  if (!CanPrintTo(printer)) return false;
  // A PDF file gets the pixels of a common laser printer, on which the pens
  // of one and two pixels were made to look right.
  if (printer.outputFormat() == QPrinter::PdfFormat) printer.setResolution(600);
  GraphPrintOptions options;
  options.all = CBAlle->isChecked();
  options.derivative = CBAbleitung->isChecked();
  options.withText = withText;
  std::vector<std::string> list = PlotList();
  const PlotFieldTexts fields = PlotFields();
  // The page is the printable area in printer pixels; the painter's origin
  // is its upper left corner.
  CanvasState state;
  PaintPlot(printer, state, [&](Canvas& canvas) {
    PrintGraph(list, fields, options, canvas, PrintFrame(printer.width(), printer.height()));
  });
  // With "Alle" the current line went to the top of the list, as in every
  // redraw.
  if (list != PlotList()) SetPlotList(list);
  return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

}  // namespace lumatik
