// The results pane: a read-only list whose mouse releases and keys are handed to the core with
// the line actually under the pointer, however far the list is scrolled.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

#include "events/ResultsPicking.h"

namespace kvistra::ui {

class ResultsPane : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ResultsPane(QWidget* parent);

  // The number of the pane line at a point of the viewport (0 is the first line), or -1 when
  // no line is there.
  int lineAt(QPoint point) const;
  // Shows lines, keeping the newest row in view.
  void showLines(const QString& text);
  // What each pane line tells when the pointer rests on it; an empty tip tells nothing.
  void setLineTips(const QStringList& tips) { lineTips_ = tips; }

 signals:
  void released(const kvistra::PaneRelease& release);
  void keyReleased(kvistra::PaneKey key);
  void typed(char character);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // Up and Down pick a row, selected as a mouse selects it.
  void pickLine(int line);

  QStringList lineTips_;
  int keyboardLine_ = 0;
};

}  // namespace kvistra::ui
