// What the program's modal questions share: a dialog that stays on top near the foot of the
// main window, asks for help on F1, and has an accepting and a cancelling button, the first the
// default and the second also reached by Esc.
#pragma once

#include <QDialog>

class QPushButton;

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
  // Places the two buttons; they are named "okButton" and "cancelButton".
  void placeButtons(const QString& okCaption, QRect okPlace, const QString& cancelCaption,
                    QRect cancelPlace);
  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  // F1 released in widget asks for help.
  void askHelpOnF1(QWidget* widget);
  // Moves the dialog to left, its top the given distance above the main window's bottom; but
  // never over the reduction note, and while an event or a reduction is shown clear of the tree
  // too, where the screen has room.
  void placeAboveFootOfMainWindow(int left, int distance);
  void keyPressEvent(QKeyEvent* event) override;
  // What the buttons do; Esc does what the cancelling button does.
  virtual void okPressed() { accept(); }
  virtual void cancelPressed() { reject(); }

 private:
  QWidget* mainWindow_;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace kvistra::ui
