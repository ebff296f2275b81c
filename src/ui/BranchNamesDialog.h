// The names dialog: a new name and a text for the branches of every row, one row for each name
// a branching gives. Ten rows show; more scroll.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>
#include <optional>

#include "host/Host.h"

class QLabel;
class QScrollArea;
class QToolButton;

namespace kvistra::ui {

// A name field: keys are judged by the name rules of its row, and a click selects its text.
class NameField : public QLineEdit {
  Q_OBJECT
 public:
  NameField(QWidget* parent, int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int row_;
};

class BranchNamesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit BranchNamesDialog(QWidget* mainWindow);

  // Shows the rows in use, labels.count of them (at least the first four); the fields as
  // applied, or nothing when the dialog was closed without applying. Fields of rows not in use
  // keep what they held. Names that clash are told and the dialog stays open.
  std::optional<BranchNameFields> ask(const LabelRows& labels);

 private:
  BranchNameFields fields() const;
  void apply();

  LabelRows labels_;
  QScrollArea* rowsArea_ = nullptr;
  std::array<QLabel*, MaxLabelRows> rowNames_{};
  std::array<NameField*, MaxLabelRows> nameFields_{};
  std::array<QLineEdit*, MaxLabelRows> textFields_{};
  QToolButton* applyButton_ = nullptr;
};

}  // namespace kvistra::ui
