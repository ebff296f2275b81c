#include "ui/WorkingPane.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

namespace kvistra::ui {

namespace {

constexpr int LayoutSlack = 4;

}  // namespace

WorkingPane::WorkingPane(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("working");
  setAccessibleName("Udregning");
  setReadOnly(true);
  // Selectable from the keyboard too, so that a screen reader can walk the lines.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
}

void WorkingPane::showLines(const QStringList& lines) {
  setPlainText(lines.join('\n'));
  // The box is made as wide as the longest line, and as high as the lines up to the most in view.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(lines.size() > MostLinesInView ? Qt::ScrollBarAlwaysOn
                                                            : Qt::ScrollBarAlwaysOff);
}

QSize WorkingPane::fittingSize() const {
  const QFontMetrics metrics(font());
  int widest = 0;
  int count = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next(), ++count)
    widest = std::max(widest, metrics.horizontalAdvance(block.text()));
  // The document's margin, the frame, and the few pixels a line's layout takes beyond its
  // spacing.
  const int margins =
      2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + LayoutSlack;
  const bool scrolls = count > MostLinesInView;
  const int width =
      widest + margins + cursorWidth() + (scrolls ? verticalScrollBar()->sizeHint().width() : 0);
  return {width, std::min(count, MostLinesInView) * metrics.lineSpacing() + margins};
}

void WorkingPane::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu(event->pos());
  menu->addSeparator();
  menu->addAction("Kopier udregningen", this, &WorkingPane::copyRequested);
  menu->exec(event->globalPos());
  delete menu;
}

}  // namespace kvistra::ui
