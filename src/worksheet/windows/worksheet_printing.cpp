// "Datei > Drucken …" of the worksheet: the print dialog, whose PDF printer
// also gives a file, then the memo's lines page after page.

#include <QPrintDialog>
#include <QPrinter>

#include "plot/paint/text_pages.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"
#include "worksheet/windows/worksheet_window.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {

void WorksheetWindow::Drucken1Click() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintTextPages(printer, Lines(), WorksheetPrintTitle(StartMode), TodayText())) ShowMessage("Nicht gedruckt");
}

}  // namespace lumatik
