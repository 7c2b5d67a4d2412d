#pragma once

// A worksheet on paper: its lines in the memo's fixed-width font, page after
// page, under a header with a title and the date.

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace lumatik {

// Windows-1252 texts. A line never breaks across two pages; a line wider
// than the page first makes the font smaller (down to 6 points) and is then
// continued on the next lines. False when nothing could be painted.
bool PrintTextPages(QPagedPaintDevice& device, const std::vector<std::string>& lines, const std::string& title,
                    const std::string& date);

// Today as the header shows it: 7.12.2026.
std::string TodayText();

}  // namespace lumatik
