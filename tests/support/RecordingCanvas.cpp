#include "support/RecordingCanvas.h"

#include <algorithm>

namespace kvistra::testing {

void RecordingCanvas::lineTo(int x, int y) {
  lines.push_back({penX_, penY_, x, y, penStyle, penColor});
  penX_ = x;
  penY_ = y;
}

bool RecordingCanvas::hasLine(const DrawnLine& line) const {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool RecordingCanvas::hasText(int x, int y, const std::string& text) const {
  return std::find(texts.begin(), texts.end(), DrawnText{x, y, text}) != texts.end();
}

std::vector<std::string> RecordingCanvas::textsAt(int y) const {
  std::vector<std::string> found;
  for (const auto& t : texts)
    if (t.y == y) found.push_back(t.text);
  return found;
}

}  // namespace kvistra::testing
