#include "ui/ResultsPane.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>

#include "ui/TextConversion.h"

namespace kvistra::ui {

ResultsPane::ResultsPane(QWidget* parent) : QPlainTextEdit(parent) {
  setFocusPolicy(Qt::ClickFocus);
  // The right button shows a row in the line viewer.
  setContextMenuPolicy(Qt::NoContextMenu);
}

int ResultsPane::lineAt(QPoint point) const {
  const QTextBlock block = cursorForPosition(point).block();
  if (!block.isValid()) return -1;
  const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
  if (point.y() < box.top() || point.y() >= box.bottom()) return -1;
  return block.blockNumber();
}

void ResultsPane::showLines(const QString& text) {
  if (toPlainText() == text) return;
  setPlainText(text);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void ResultsPane::mousePressEvent(QMouseEvent* event) {
  // A press on selected text would start dragging the text away, and the drag would swallow the
  // release that picks the row; so every press starts a selection afresh, where it is.
  if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier) &&
      textCursor().hasSelection())
    setTextCursor(cursorForPosition(event->position().toPoint()));
  QPlainTextEdit::mousePressEvent(event);
}

void ResultsPane::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  PaneRelease release;
  switch (event->button()) {
    case Qt::LeftButton:
      release.button = MouseButton::Left;
      break;
    case Qt::MiddleButton:
      release.button = MouseButton::Middle;
      break;
    case Qt::RightButton:
      release.button = MouseButton::Right;
      break;
    default:
      return;
  }
  release.line = lineAt(event->position().toPoint());
  QString selection = textCursor().selectedText();
  selection.replace(QChar::ParagraphSeparator, '\n');
  release.selection = fromQt(selection);
  emit released(release);
}

void ResultsPane::keyPressEvent(QKeyEvent* event) {
  if (event->text() == "h" || event->text() == "H") {
    emit typed(fromQt(event->text()).front());
    return;
  }
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      pickLine(keyboardLine_ + (event->key() == Qt::Key_Up ? -1 : 1));
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // As a click on the row: it is worked out again.
      if (keyboardLine_ > 0) emit released({MouseButton::Left, keyboardLine_, {}});
      return;
    default:
      QPlainTextEdit::keyPressEvent(event);
  }
}

void ResultsPane::pickLine(int line) {
  // Line 0 is the blank first line; rows follow it.
  const int last = document()->blockCount() - 1;
  if (last < 1) return;
  keyboardLine_ = std::clamp(line, 1, last);
  QTextCursor row(document()->findBlockByNumber(keyboardLine_));
  row.select(QTextCursor::LineUnderCursor);
  setTextCursor(row);
  ensureCursorVisible();
  // As a selection made with the mouse: the row is picked, for Delete, and not worked out.
  QString selection = row.selectedText();
  emit released({MouseButton::Left, keyboardLine_, fromQt(selection)});
}

void ResultsPane::keyReleaseEvent(QKeyEvent* event) {
  QPlainTextEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      break;  // they pick and work out rows, not unpick them
    case Qt::Key_Delete:
      emit keyReleased(PaneKey::Delete);
      break;
    case Qt::Key_Backspace:
      emit keyReleased(PaneKey::Backspace);
      break;
    default:
      emit keyReleased(PaneKey::Other);
      break;
  }
}

bool ResultsPane::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QPlainTextEdit::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = lineTips_.value(lineAt(help->pos()));
  if (tip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(help->globalPos(), tip, viewport());
  return true;
}

}  // namespace kvistra::ui
