#include "ui/DrawingAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include "ui/DrawingArea.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

// One branch, or one number or bar drawn beside the tree: a list item that is no widget of its
// own.
class BranchItemAccessible : public QAccessibleInterface {
 public:
  BranchItemAccessible(DrawingArea* drawing, int index) : drawing_(drawing), index_(index) {}

  bool isValid() const override {
    return drawing_ && index_ < static_cast<int>(drawing_->readings().size());
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return drawing_ ? drawing_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(drawing_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name || !isValid()) return {};
    const DrawingReading& reading = drawing_->readings()[index_];
    if (reading.encoding == TextEncoding::Utf8) return QString::fromStdString(reading.text);
    return toQt(reading.text);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = drawing_->widgetRectOf(drawing_->readings()[index_]);
    return QRect(drawing_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    // Only a branch takes the keyboard.
    state.focusable = isValid() && drawing_->readings()[index_].level > 0;
    state.selectable = state.focusable;
    if (isValid() && drawing_->focusedReading() == index_) {
      state.selected = true;
      state.focused = drawing_->hasFocus();
    }
    if (!isValid()) state.invisible = true;
    return state;
  }

 private:
  QPointer<DrawingArea> drawing_;
  int index_;
};

// The drawing: its items first, then its child widgets (the branch hint, the start picture).
class DrawingAccessible : public QAccessibleWidget {
 public:
  explicit DrawingAccessible(QWidget* drawing) : QAccessibleWidget(drawing, QAccessible::List) {}
  ~DrawingAccessible() override {
    for (QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return branches() + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0) return nullptr;
    if (index >= branches()) return QAccessibleWidget::child(index - branches());
    while (static_cast<int>(items_.size()) <= index)
      items_.push_back(QAccessible::registerAccessibleInterface(
          new BranchItemAccessible(drawing(), static_cast<int>(items_.size()))));
    return QAccessible::accessibleInterface(items_[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
      if (QAccessible::accessibleInterface(items_[i]) == child) return i < branches() ? i : -1;
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : widget + branches();
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = drawing()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < branches(); ++i)
      if (drawing()->widgetRectOf(drawing()->readings()[i]).contains(at)) return child(i);
    return QAccessibleWidget::childAt(x, y);
  }
  QAccessibleInterface* focusChild() const override {
    const int focused = drawing()->focusedReading();
    return focused >= 0 && focused < branches() ? child(focused) : nullptr;
  }
  // Items from kept on are gone: a later item there is a new one to a screen reader.
  void forgetItemsFrom(std::size_t kept) {
    for (std::size_t i = kept; i < items_.size(); ++i)
      QAccessible::deleteAccessibleInterface(items_[i]);
    if (kept < items_.size()) items_.resize(kept);
  }

 private:
  DrawingArea* drawing() const { return static_cast<DrawingArea*>(widget()); }
  int branches() const { return static_cast<int>(drawing()->readings().size()); }

  mutable std::vector<QAccessible::Id> items_;
};

QAccessibleInterface* drawingInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("kvistra::ui::DrawingArea") && object && object->isWidgetType())
    return new DrawingAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

void installDrawingAccessibility() {
  QAccessible::installFactory(drawingInterface);
}

void announceReadings(DrawingArea& drawing, const std::vector<DrawingReading>& before,
                      int focusedBefore) {
  if (!QAccessible::isActive()) return;
  const std::vector<DrawingReading>& now = drawing.readings();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&drawing);
  if (!list) return;
  // Items are told one by one: AT-SPI clients take a new item from its own creation event, and
  // do not understand the event Qt sends for a reordered list.
  for (std::size_t i = 0; i < now.size(); ++i) {
    const bool added = i >= before.size();
    if (!added && now[i].text == before[i].text) continue;
    QAccessibleEvent changed(list->child(static_cast<int>(i)),
                             added ? QAccessible::ObjectCreated : QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
  if (drawing.focusedReading() != focusedBefore) announceFocus(drawing);
}

void announceRemovedReadings(DrawingArea& drawing, std::size_t kept) {
  if (!QAccessible::isActive()) return;
  auto* list = dynamic_cast<DrawingAccessible*>(QAccessible::queryAccessibleInterface(&drawing));
  if (!list) return;
  for (auto i = static_cast<int>(drawing.readings().size()) - 1; i >= static_cast<int>(kept); --i) {
    QAccessibleEvent gone(list->child(i), QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&gone);
  }
  list->forgetItemsFrom(kept);
}

void announceFocus(DrawingArea& drawing) {
  const int focused = drawing.focusedReading();
  if (!QAccessible::isActive() || focused < 0 || !drawing.hasFocus()) return;
  QAccessibleEvent moved(&drawing, QAccessible::Focus);
  moved.setChild(focused);
  QAccessible::updateAccessibility(&moved);
}

}  // namespace kvistra::ui
