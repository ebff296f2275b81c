// A library preloaded into a Qt Widgets program (LD_PRELOAD) that ends it at the end of its first
// frame: the first expose or update request of a top-level window during which something was
// painted. There it asks callgrind for a dump (the instructions from process start to that point;
// a no-op outside valgrind), reads the process's private memory, writes one report line and
// leaves at once. Both programs compared by scripts/startup-cost.sh are measured by this same
// code, from the outside, so neither needs a switch of its own.
#include <valgrind/callgrind.h>

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

// Kilobytes of one field of /proc/self/smaps_rollup, or -1 if it is missing.
long smapsField(const std::string& text, const std::string& field) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind(field + ":", 0) == 0)
      return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
  }
  return -1;
}

// The top-level widget behind an expose (sent to its QWindow) or an update request (sent to the
// widget or to its QWindow); menus and tool tips do not count as the program's window.
QWidget* topLevelWidgetOf(QObject* receiver) {
  QWidget* widget = qobject_cast<QWidget*>(receiver);
  if (!widget) {
    auto* window = qobject_cast<QWindow*>(receiver);
    if (!window) return nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
      if (candidate->windowHandle() == window) widget = candidate;
    }
  }
  if (!widget || !widget->isWindow()) return nullptr;
  const Qt::WindowType type = widget->windowType();
  if (type == Qt::Popup || type == Qt::ToolTip) return nullptr;
  return widget;
}

class StartupProbe : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Paint:
        if (inFrame_) paintedInFrame_ = true;
        return false;
      case QEvent::Expose:
      case QEvent::UpdateRequest:
        break;
      default:
        return false;
    }
    if (inFrame_) return false;
    QWidget* window = topLevelWidgetOf(receiver);
    if (!window) return false;
    // Deliver the event here so that its painting and flushing are over when sendEvent returns.
    inFrame_ = true;
    paintedInFrame_ = false;
    QCoreApplication::sendEvent(receiver, event);
    inFrame_ = false;
    if (paintedInFrame_) finish(*window);
    return true;
  }

 private:
  [[noreturn]] static void finish(const QWidget& window) {
    CALLGRIND_DUMP_STATS_AT("first frame");
    // Wait until the window system has taken the frame: an X server maps the shared image only
    // when it draws from it, and until then that image would count as the program's own memory.
    QGuiApplication::sync();
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::stringstream text;
    text << rollup.rdbuf();
    const QScreen* screen = window.screen();
    const QSize screenSize = screen ? screen->size() : QSize();
    const QSize windowSize = window.size();
    char line[256];
    std::snprintf(line, sizeof line,
                  "first-frame private_dirty_kb=%ld rss_kb=%ld screen=%dx%d window=%dx%d\n",
                  smapsField(text.str(), "Private_Dirty"), smapsField(text.str(), "Rss"),
                  screenSize.width(), screenSize.height(), windowSize.width(), windowSize.height());
    const char* reportPath = std::getenv("STARTUP_PROBE_REPORT");
    std::FILE* report = reportPath ? std::fopen(reportPath, "w") : nullptr;
    std::fputs(line, report ? report : stderr);
    if (report) std::fclose(report);
    // Leave without tearing down: a program's closing (which may ask about unsaved work) is no
    // part of its start-up, and must not hang the measurement.
    std::fflush(nullptr);
    _exit(0);
  }

  bool inFrame_ = false;
  bool paintedInFrame_ = false;
};

void installStartupProbe() {
  // Only a widgets program has the windows this probe waits for.
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  QCoreApplication::instance()->installEventFilter(new StartupProbe);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installStartupProbe)
