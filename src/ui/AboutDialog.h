// The about box.
#pragma once

#include <QDialog>

class QPushButton;

namespace kvistra::ui {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* okButton_;
};

}  // namespace kvistra::ui
