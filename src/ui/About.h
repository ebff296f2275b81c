// The about box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kvistra::ui {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent);

  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QPushButton* BitBtn1;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace kvistra::ui
