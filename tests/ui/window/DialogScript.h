// Answers the program's modal dialogs in a scripted order while a command runs: each dialog
// that opens is checked against the next step and answered by it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "MainWindowFixture.h"
#include "ui/MainWindow.h"
#include "ui/ProbabilityDialog.h"
#include "ui/YesNoDialog.h"

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
  return {"probabilityDialog", [text](QDialog* d) {
            auto* dialog = static_cast<ProbabilityDialog*>(d);
            QTest::keyClick(child<QLineEdit>(*dialog, "probabilityField"),
                            Qt::Key_Backspace);  // the whole text is selected
            QTest::keyClicks(child<QLineEdit>(*dialog, "probabilityField"), text);
            QTest::keyClick(child<QLineEdit>(*dialog, "probabilityField"), Qt::Key_Return);
            return QString();
          }};
}

// Types text in the prompt, which must ask question, and presses Enter.
inline DialogStep answerPrompt(const QString& question, const QString& text) {
  return {"promptDialog", [question, text](QDialog* d) {
            const QString wrong =
                mismatch("question", child<QLabel>(*d, "question")->text(), question);
            QTest::keyClicks(child<QLineEdit>(*d, "answerField"), text);
            QTest::keyClick(child<QLineEdit>(*d, "answerField"), Qt::Key_Return);
            return wrong;
          }};
}

inline DialogStep pressFortryd() {
  return {"probabilityDialog", [](QDialog* d) {
            QTest::mouseClick(child<QPushButton>(*d, "cancelButton"), Qt::LeftButton);
            return QString();
          }};
}

// Answers the yes/no box, which must ask question.
inline DialogStep answerYesNo(const QString& question, bool yes) {
  return {"yesNoDialog", [question, yes](QDialog* d) {
            auto* box = static_cast<YesNoDialog*>(d);
            const QString wrong =
                mismatch("question", child<QLabel>(*box, "firstLine")->text(), question) +
                mismatch("second line", child<QLabel>(*box, "secondLine")->text(), " ");
            QTest::mouseClick(yes ? child<QPushButton>(*box, "okButton")
                                  : child<QPushButton>(*box, "cancelButton"),
                              Qt::LeftButton);
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

// Answers "Vil du gemme ændringerne i træet?" with the button captioned answer.
inline DialogStep answerSaveChanges(const QString& answer) {
  return {"saveChangesBox", [answer](QDialog* d) {
            for (QAbstractButton* button : static_cast<QMessageBox*>(d)->buttons()) {
              if (button->text() != answer) continue;
              button->click();
              return QString();
            }
            d->reject();
            return "no button " + answer;
          }};
}

// Types count in the count dialog, which must ask label, and presses Enter; without a count, Esc.
inline DialogStep answerCount(const QString& label, const QString& count) {
  return {"countDialog", [label, count](QDialog* d) {
            auto* field = child<QSpinBox>(*d, "countField");
            QTest::keyClicks(field, count);  // in place of the number shown, which is selected
            QTest::keyClick(field, count.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
            return mismatch("label", child<QLabel>(*d, "countLabel")->text(), label) +
                   mismatch("field's name", field->accessibleName(), label);
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
  // Message boxes are told apart by their object name when they have one.
  static QString nameOf(QDialog* dialog) {
    const bool plainMessage = qobject_cast<QMessageBox*>(dialog) && dialog->objectName().isEmpty();
    return plainMessage ? QString("message") : dialog->objectName();
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

// Runs act while a script answers its dialogs with steps; what went wrong, or nothing.
inline QString playScript(std::deque<DialogStep> steps, const std::function<void()>& act) {
  DialogScript script(std::move(steps));
  act();
  return script.finished() ? QString() : script.faults();
}

// A printed PDF as text, its lines laid out as printed; each page ends with a form feed.
inline QString pdfText(const QString& file) {
  QProcess tool;
  tool.start("pdftotext", {"-layout", file, "-"});
  tool.waitForFinished();
  return QString::fromUtf8(tool.readAllStandardOutput());
}

// Builds a tree of two branchings through the window, clicking the two branch counts, and
// answers "Sæt chancer på første grene" with the steps given. What went wrong, or nothing.
inline QString buildTwoBranchingTree(MainWindow& form, int first, int second,
                                     std::deque<DialogStep> firstProbabilities) {
  form.action(Control::NewTwoBranchingTree)->trigger();
  QTest::mouseClick(form.button(branchCountButton(first)), Qt::LeftButton);
  QTest::mouseClick(form.button(branchCountButton(second)), Qt::LeftButton);
  DialogScript script(std::move(firstProbabilities));
  form.action(Control::SetFirstProbabilities)->trigger();
  return script.finished() ? QString() : "first probabilities: " + script.faults();
}

}  // namespace kvistra::ui::testing
