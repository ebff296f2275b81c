#include "ui/DialogLook.h"

#include <QLabel>
#include <QPushButton>

#include "tree/Canvas.h"
#include "ui/QtCanvas.h"

namespace kvistra::ui {

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
