// What the program's modal questions share: a dialog that stays on top near the foot of the
// main window, asks for help on F1 and counts Esc as its cancel button.
#pragma once

#include <QDialog>

namespace kvistra::ui {

class QuestionDialog : public QDialog {
  Q_OBJECT
 public:
  // frameButton: the one button of the title bar, the close box or the system menu.
  QuestionDialog(QWidget* mainWindow, const char* name, const QString& caption,
                 Qt::WindowType frameButton);

 signals:
  void helpRequested();

 protected:
  // F1 released in widget asks for help.
  void askHelpOnF1(QWidget* widget);
  // Moves the dialog to left, its top the given distance above the main window's bottom.
  void placeAboveFootOfMainWindow(int left, int distance);
  void keyPressEvent(QKeyEvent* event) override;
  // What Esc does: the cancel button's action.
  virtual void cancelPressed() { reject(); }

 private:
  QWidget* mainWindow_;
};

}  // namespace kvistra::ui
