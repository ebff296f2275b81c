// What an empty window shows a new user: how to begin a tree, and the trees opened last, each a
// button that opens it. It lies over the drawing area and is no part of any drawing.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace kvistra::ui {

class StartGuide : public QWidget {
  Q_OBJECT
 public:
  // Lies in the middle of parent, whatever its size.
  explicit StartGuide(QWidget* parent);

  void showFiles(const QStringList& paths);
  // The file buttons, in the list's order.
  const QList<QWidget*>& fileButtons() const { return fileButtons_; }

 signals:
  void chosen(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void centre();

  QLabel* filesHeading_ = nullptr;
  QVBoxLayout* fileColumn_ = nullptr;
  QList<QWidget*> fileButtons_;
};

}  // namespace kvistra::ui
