#include "ui/DialogPlacement.h"

#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <optional>
#include <vector>

#include "ui/DrawingArea.h"

namespace kvistra::ui {

namespace {

constexpr int Gap = 8;
// Before a dialog is first shown the window manager's frame is not known.
constexpr int TitleBarAllowance = 40;

QRect keptOnScreen(QRect place, const QRect& screen) {
  if (place.right() > screen.right()) place.moveRight(screen.right());
  if (place.bottom() > screen.bottom()) place.moveBottom(screen.bottom());
  if (place.left() < screen.left()) place.moveLeft(screen.left());
  if (place.top() < screen.top()) place.moveTop(screen.top());
  return place;
}

int coveredArea(const QRect& place, const QRect& area) {
  const QRect covered = place & area;
  return covered.isEmpty() ? 0 : covered.width() * covered.height();
}

// The places worth trying, nearest to preferred first: its own, beside each area on every side,
// and against the screen's edges, in every combination of across and down.
std::vector<QRect> candidatePlaces(const QRect& preferred, const ShownAreas& areas,
                                   const QRect& screen) {
  const QSize size = preferred.size();
  std::vector<int> lefts = {preferred.left(), screen.left(), screen.right() + 1 - size.width()};
  std::vector<int> tops = {preferred.top(), screen.top(), screen.bottom() + 1 - size.height()};
  for (const QRect& area : {areas.note, areas.ink, areas.marked}) {
    if (area.isEmpty()) continue;
    lefts.insert(lefts.end(), {area.right() + 1 + Gap, area.left() - Gap - size.width()});
    tops.insert(tops.end(), {area.bottom() + 1 + Gap, area.top() - Gap - size.height()});
  }
  std::vector<QRect> places;
  for (int left : lefts)
    for (int top : tops) places.push_back(keptOnScreen(QRect(QPoint(left, top), size), screen));
  std::stable_sort(places.begin(), places.end(), [&](const QRect& a, const QRect& b) {
    return (a.topLeft() - preferred.topLeft()).manhattanLength() <
           (b.topLeft() - preferred.topLeft()).manhattanLength();
  });
  return places;
}

// The place that covers none of avoided and the least of ink; the nearest among equals.
std::optional<QRect> leastCovering(const std::vector<QRect>& places,
                                   const std::vector<QRect>& avoided, const QRect& ink) {
  std::optional<QRect> best;
  for (const QRect& place : places) {
    if (std::any_of(avoided.begin(), avoided.end(),
                    [&](const QRect& area) { return place.intersects(area); }))
      continue;
    if (!best || coveredArea(place, ink) < coveredArea(*best, ink)) best = place;
  }
  return best;
}

}  // namespace

QPoint placeClearOf(const QRect& preferred, const ShownAreas& areas, const QRect& screen) {
  const std::vector<QRect> places = candidatePlaces(preferred, areas, screen);
  // What must stay in view, most first: everything, then the note and the marked leaves.
  const std::vector<std::vector<QRect>> avoidances = {
      {areas.note, areas.ink, areas.marked}, {areas.note, areas.marked}, {areas.marked}};
  for (const std::vector<QRect>& avoided : avoidances) {
    if (const std::optional<QRect> place = leastCovering(places, avoided, areas.ink))
      return place->topLeft();
  }
  return keptOnScreen(preferred, screen).topLeft();
}

bool placeClearOfShownEvent(QWidget& dialog, const QRect& preferred, QWidget& mainWindow) {
  auto* drawing = mainWindow.findChild<DrawingArea*>();
  const std::optional<ShownAreas> shown = drawing ? drawing->shownEventOnScreen() : std::nullopt;
  if (!shown) return false;
  ShownAreas areas = *shown;
  areas.note = reductionNoteArea(mainWindow);
  dialog.move(placeClearOf(preferred, areas, mainWindow.screen()->availableGeometry()));
  return true;
}

QSize frameSizeOf(const QWidget& dialog) {
  const QSize frame = dialog.frameGeometry().size();
  return frame != dialog.size() ? frame : dialog.size() + QSize(0, TitleBarAllowance);
}

QRect reductionNoteArea(const QWidget& mainWindow) {
  const auto* note = mainWindow.findChild<QWidget*>("reductionNote");
  if (!note || !note->isVisible()) return {};
  // The note is empty while the tree is not reduced.
  const QList<QLabel*> lines = note->findChildren<QLabel*>();
  const bool showsText = std::any_of(lines.begin(), lines.end(),
                                     [](const QLabel* line) { return !line->text().isEmpty(); });
  return showsText ? QRect(note->mapToGlobal(QPoint(0, 0)), note->size()) : QRect();
}

}  // namespace kvistra::ui
