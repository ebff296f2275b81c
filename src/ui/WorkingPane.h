// How an event's value comes about, as read-only lines: to read, select and copy.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace kvistra::ui {

class WorkingPane : public QPlainTextEdit {
  Q_OBJECT
 public:
  // More lines than this scroll.
  static constexpr int MostLinesInView = 12;

  explicit WorkingPane(QWidget* parent);

  void showLines(const QStringList& lines);
  // The size that shows the lines whole, up to MostLinesInView of them.
  QSize fittingSize() const;

 signals:
  void copyRequested();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace kvistra::ui
