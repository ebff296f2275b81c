// Answers the program's modal dialogs in a scripted order while a command runs: each dialog
// that opens is checked against the next step and answered by it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "ui/Inputenh.h"
#include "ui/Ja_nej.h"

namespace kvistra::ui::testing {

// One dialog expected and how to answer it. The answer always closes the dialog and returns
// what it found wrong, or nothing.
struct DialogStep {
  QString dialog;  // the dialog's object name, or "message" for a message box
  std::function<QString(QDialog*)> answer;
};

inline QString mismatch(const QString& what, const QString& actual, const QString& expected) {
  return actual == expected ? QString() : what + ": \"" + actual + "\" not \"" + expected + "\"";
}

// Clears the field, types text and presses Enter.
inline DialogStep typeProbability(const QString& text) {
  return {"BtnBottomDlg", [text](QDialog* d) {
            auto* dialog = static_cast<TBtnBottomDlg*>(d);
            QTest::keyClick(dialog->Edit1, Qt::Key_Backspace);  // the whole text is selected
            QTest::keyClicks(dialog->Edit1, text);
            QTest::keyClick(dialog->Edit1, Qt::Key_Return);
            return QString();
          }};
}

inline DialogStep pressFortryd() {
  return {"BtnBottomDlg", [](QDialog* d) {
            QTest::mouseClick(static_cast<TBtnBottomDlg*>(d)->CancelBtn, Qt::LeftButton);
            return QString();
          }};
}

// Answers the yes/no box, which must ask question.
inline DialogStep answerYesNo(const QString& question, bool yes) {
  return {"JN_box", [question, yes](QDialog* d) {
            auto* box = static_cast<TJN_box*>(d);
            const QString wrong = mismatch("question", box->Label1->text(), question) +
                                  mismatch("second line", box->Label2->text(), " ");
            QTest::mouseClick(yes ? box->OKBtn : box->CancelBtn, Qt::LeftButton);
            return wrong;
          }};
}

// Closes the message box, which must say text under the caption " ".
inline DialogStep acknowledgeMessage(const QString& text) {
  return {"message", [text](QDialog* d) {
            auto* box = static_cast<QMessageBox*>(d);
            const QString wrong = mismatch("message", box->text(), text) +
                                  mismatch("caption", box->windowTitle(), " ");
            box->button(QMessageBox::Ok)->click();
            return wrong;
          }};
}

class DialogScript : public QObject {
 public:
  explicit DialogScript(std::deque<DialogStep> steps) : steps_(std::move(steps)) {
    qApp->installEventFilter(this);
  }
  ~DialogScript() override { qApp->removeEventFilter(this); }

  bool finished() const { return steps_.empty() && faults_.isEmpty(); }
  // Dialogs that were not the one expected, and what the answered ones showed wrongly.
  QString faults() const { return faults_.join("; "); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() == QEvent::Show && dialog && dialog->isWindow())
      QTimer::singleShot(0, dialog, [this, dialog] { answer(dialog); });
    return false;
  }

 private:
  static QString nameOf(QDialog* dialog) {
    return qobject_cast<QMessageBox*>(dialog) ? QString("message") : dialog->objectName();
  }

  void answer(QDialog* dialog) {
    if (!dialog->isVisible()) return;
    const QString name = nameOf(dialog);
    if (steps_.empty() || steps_.front().dialog != name) {
      faults_ << "unexpected " + name;
      dialog->reject();
      return;
    }
    const DialogStep step = steps_.front();
    steps_.pop_front();
    const QString wrong = step.answer(dialog);
    if (!wrong.isEmpty()) faults_ << wrong;
  }

  std::deque<DialogStep> steps_;
  QStringList faults_;
};

}  // namespace kvistra::ui::testing
