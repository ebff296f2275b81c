#include "ui/DialogLook.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "host/Canvas.h"
#include "ui/QtCanvas.h"

namespace kvistra::ui {

namespace {

class F1Filter : public QObject {
 public:
  F1Filter(QObject* parent, std::function<void()> openHelp)
      : QObject(parent), openHelp_(std::move(openHelp)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
      openHelp_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> openHelp_;
};

class EnterOnButtonFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* button = qobject_cast<QAbstractButton*>(static_cast<QWidget*>(watched)->focusWidget());
    // A check box or a choice keeps Enter for the dialog's default button.
    const bool pressable = qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && pressable && !button->isCheckable() &&
        button->isEnabled()) {
      button->click();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

// Sets a font on the first show of the widget it watches, then goes.
class FontOnShow : public QObject {
 public:
  FontOnShow(QWidget* widget, const QFont& font) : QObject(widget), font_(font) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      static_cast<QWidget*>(watched)->setFont(font_);
      deleteLater();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QFont font_;
};

}  // namespace

void setFontWhenShown(QWidget* widget, const QFont& font) {
  if (widget->isVisible()) {
    widget->setFont(font);
    return;
  }
  widget->installEventFilter(new FontOnShow(widget, font));
}

void onF1Released(QWidget* widget, std::function<void()> openHelp) {
  widget->installEventFilter(new F1Filter(widget, std::move(openHelp)));
}

void pressFocusedButtonOnEnter(QWidget* dialog) {
  dialog->installEventFilter(new EnterOnButtonFilter(dialog));
}

QFont dialogFont(int pixelHeight, bool bold) {
  return toQFont(Font{"Courier New", pixelHeight, bold});
}

QLabel* placeLabel(QWidget* parent, const char* name, int x, int y) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->move(x, y);
  return label;
}

QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption, QRect place) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  button->setAccessibleName(QString(caption).remove('&'));
  return button;
}

}  // namespace kvistra::ui
