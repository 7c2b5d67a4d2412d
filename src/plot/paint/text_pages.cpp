#include "plot/paint/text_pages.h"

#include <QDate>
#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

#include "shell/codepage.h"

namespace lumatik {

namespace {

constexpr qreal kMemoPoints = 10;
constexpr qreal kSmallestPoints = 6;

QFont MemoFont(qreal points) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setBold(true);
  font.setPointSizeF(points);
  return font;
}

QString Text(const std::string& cp1252) { return QString::fromUtf8(Cp1252ToUtf8(cp1252)); }

// The printed rows of one line: pieces as wide as the page.
std::vector<QString> Rows(const QString& line, int columns) {
  std::vector<QString> rows;
  for (qsizetype start = 0; start < line.size() || rows.empty(); start += columns) rows.push_back(line.mid(start, columns));
  return rows;
}

}  // namespace

bool PrintTextPages(QPagedPaintDevice& device, const std::vector<std::string>& lines, const std::string& title,
                    const std::string& date) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const int width = device.width();
  const int height = device.height();

  qsizetype longest = 1;
  for (const std::string& line : lines) longest = std::max(longest, Text(line).size());
  qreal points = kMemoPoints;
  QFontMetricsF fixed(MemoFont(points), &device);
  // The font shrinks until the longest line fits, but not below legibility.
  while (points > kSmallestPoints && fixed.horizontalAdvance(QLatin1Char('M')) * longest > width) {
    points = std::max(kSmallestPoints, points - 0.5);
    fixed = QFontMetricsF(MemoFont(points), &device);
  }
  const int columns = std::max(1, static_cast<int>(width / fixed.horizontalAdvance(QLatin1Char('M'))));
  const qreal rowHeight = fixed.lineSpacing();

  QFont headerFont(QStringLiteral("Liberation Sans"));
  headerFont.setStyleHint(QFont::SansSerif);
  headerFont.setPointSizeF(11);
  headerFont.setBold(true);
  const QFontMetricsF header(headerFont, &device);
  const qreal top = header.lineSpacing() * 1.8;
  const int rowsPerPage = std::max(1, static_cast<int>((height - top) / rowHeight));

  // Each line's rows stay together on one page unless they fill more than one.
  std::vector<std::vector<QString>> pages(1);
  for (const std::string& line : lines) {
    const std::vector<QString> rows = Rows(Text(line), columns);
    const int used = static_cast<int>(pages.back().size());
    if (used > 0 && used + static_cast<int>(rows.size()) > rowsPerPage && static_cast<int>(rows.size()) <= rowsPerPage)
      pages.emplace_back();
    for (const QString& row : rows) {
      if (static_cast<int>(pages.back().size()) == rowsPerPage) pages.emplace_back();
      pages.back().push_back(row);
    }
  }

  for (std::size_t page = 0; page < pages.size(); ++page) {
    if (page > 0 && !device.newPage()) return false;
    painter.setPen(Qt::black);
    painter.setFont(headerFont);
    const QString pageText =
        pages.size() > 1 ? QStringLiteral("   %1/%2").arg(page + 1).arg(pages.size()) : QString();
    painter.drawText(QRectF(0, 0, width, header.lineSpacing()), Qt::AlignLeft | Qt::AlignTop, Text(title));
    painter.drawText(QRectF(0, 0, width, header.lineSpacing()), Qt::AlignRight | Qt::AlignTop,
                     Text(date) + pageText);
    const qreal rule = header.lineSpacing() * 1.3;
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
    painter.setFont(MemoFont(points));
    qreal y = top + fixed.ascent();
    for (const QString& row : pages[page]) {
      painter.drawText(QPointF(0, y), row);
      y += rowHeight;
    }
  }
  return painter.end();
}

std::string TodayText() { return QDate::currentDate().toString(QStringLiteral("d.M.yyyy")).toStdString(); }

}  // namespace lumatik
