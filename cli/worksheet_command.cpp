// lumatik-cli worksheet: runs one menu command of the worksheet window on a
// worksheet file and prints the worksheet afterwards, one line per line.
// The hints the window would show go to standard error; --pdf also prints
// the worksheet into a PDF file as "Datei > Drucken …" does.

#include <iostream>
#include <stdexcept>
#include <string>

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "cli_support.h"
#include "commands.h"
#include "picture_output.h"
#include "plot/paint/text_pages.h"
#include "shell/codepage.h"
#include "shell/settingsfiles.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik::cli {

namespace {

bool ParseArea(const std::string& text, int& area) {
  try {
    std::size_t used = 0;
    area = std::stoi(text, &used);
    return used == text.size();
  } catch (const std::logic_error&) {  // std::stoi: no number, or out of range
    return false;
  }
}

// The page of "Datei > Drucken …" on A4 with margins of 15 mm.
bool PrintWorksheetPdf(const std::string& path, const std::vector<std::string>& lines, int area) {
  const auto app = EnsureGuiApplication();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  bool printed = false;
  {
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("lumatik"));
    pdf.setTitle(QString::fromUtf8(Cp1252ToUtf8(WorksheetPrintTitle(area))));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                  QPageLayout::Millimeter));
    printed = PrintTextPages(pdf, lines, WorksheetPrintTitle(area), TodayText());
  }
  QSaveFile file(QString::fromStdString(path));
  if (printed && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
  std::cerr << "PDF nicht gespeichert: " << path << '\n';
  return false;
}

}  // namespace

int RunWorksheet(Arguments args) {
  if (!ApplyDecimalOption(args)) return 2;
  const auto areaText = TakeOption(args, "area");
  const auto caption = TakeOption(args, "command");
  const auto pdf = TakeOption(args, "pdf");
  int area = 0;
  if (!areaText || !ParseArea(*areaText, area) || (!caption && !pdf) || args.size() > 1) {
    std::cerr << "Aufruf: lumatik-cli worksheet --area N [--decimal=,|.] [--command \"MEN\xC3\x9CPUNKT\"]\n"
                 "                            [--pdf DATEI.pdf] [DATEI]\n"
                 "  --pdf: das Blatt (nach dem Befehl) wie \"Datei > Drucken \xE2\x80\xA6\" als PDF-Datei.\n";
    return 2;
  }
  RouteMessagesToStderr();

  std::vector<std::string> lines;
  std::string refusal;
  if (!args.empty() && !ReadTextLines(args.front(), lines, &refusal)) {
    std::cerr << "Datei nicht lesbar: " << args.front() << '\n' << Cp1252ToUtf8(refusal) << '\n';
    return 1;
  }
  if (caption) {
    const WorksheetCommandLookup command = FindWorksheetCommand(area, Utf8ToCp1252(*caption));
    if (!command.found) {
      std::cerr << "Bereich " << area << " hat keinen Men\xC3\xBCpunkt \"" << *caption << "\"\n";
      return 2;
    }
    if (!command.run) {
      std::cerr << "\"" << *caption << "\": noch nicht verf\xC3\xBCgbar\n";
      return 2;
    }
    const Worksheet sheet = RunWorksheetCommand(command.run, std::move(lines), area);
    for (const WorksheetNotice& notice : sheet.notices()) PrintDialogText(notice.text);
    lines = sheet.lines();
  }
  if (pdf && !PrintWorksheetPdf(*pdf, lines, area)) return 1;
  for (const std::string& line : lines) PrintLine(line);
  return 0;
}

}  // namespace lumatik::cli
