#include "drawing/Zoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kvistra {

namespace {
constexpr auto ZoomSteps =
    std::to_array({0.5, 0.67, 0.75, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0});
// A zoom this close to a step counts as on it, so rounding never skips a step.
constexpr double OnStep = 0.005;
}  // namespace

double zoomedIn(double zoom) {
  for (double step : ZoomSteps)
    if (step > zoom + OnStep) return step;
  return LargestZoom;
}

double zoomedOut(double zoom) {
  for (auto step = ZoomSteps.rbegin(); step != ZoomSteps.rend(); ++step)
    if (*step < zoom - OnStep) return *step;
  // Below the smallest step, fitted to the window, there is no further step out.
  return std::min(zoom, SmallestZoom);
}

double boundedZoom(double zoom) {
  if (!std::isfinite(zoom) || zoom <= 0) return 1.0;
  return std::clamp(zoom, SmallestFittedZoom, LargestZoom);
}

double zoomToFit(const InkBounds& ink, int width, int height) {
  if (ink.empty() || width <= 0 || height <= 0) return 1.0;
  const double across = static_cast<double>(width) / (ink.right + InkMargin);
  const double down = static_cast<double>(height) / (ink.bottom + InkMargin);
  return boundedZoom(std::min(across, down));
}

}  // namespace kvistra
