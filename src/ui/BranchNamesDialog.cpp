#include "ui/BranchNamesDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QValidator>
#include <algorithm>

#include "names/NameFieldRules.h"
#include "text/CharSet.h"
#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

constexpr QSize DialogSize(464, 348);
constexpr QPoint HeadingPlace(48, 16);
constexpr int RowNameLeft = 48;
constexpr int FirstRowTop = 40;
constexpr int RowPitch = 24;
constexpr int FieldHeight = 23;
constexpr int FieldRise = 3;  // fields stand a little higher than their row's name
constexpr int NameFieldLeft = 136;
constexpr int NameFieldWidth = 41;
constexpr int TextFieldLeft = 232;
constexpr int TextFieldWidth = 200;
constexpr QRect ApplyButtonPlace(416, 304, 33, 33);
// The rows stand in an area that shows ten of them and scrolls through more.
constexpr int RowsShown = 10;
constexpr int RowsAreaTop = FirstRowTop - FieldRise;
// Wide enough for the text fields, narrow enough to leave room for the scroll bar.
constexpr int RowsWidth = TextFieldLeft + TextFieldWidth + 8;
const char* const ApplyHint = "Godkend navne og tekster";

// Text the program cannot keep (outside Windows-1252) never enters a field, pasted or typed.
class Windows1252Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return representable(input) ? Acceptable : Invalid;
  }
};

QIcon applyIcon() {
  QPixmap picture(24, 24);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 128, 0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath tick;
  tick.moveTo(4, 13);
  tick.lineTo(10, 19);
  tick.lineTo(20, 5);
  painter.drawPath(tick);
  return QIcon(picture);
}

// A row's top within the rows' area.
int top(int row) {
  return FirstRowTop - RowsAreaTop + (row - 1) * RowPitch;
}

int rowsHeight(int rows) {
  return rows * RowPitch;
}

}  // namespace

NameField::NameField(QWidget* parent, int row) : QLineEdit(parent), row_(row) {
  setObjectName(QString("nameField%1").arg(row));
  setMaxLength(static_cast<int>(NameFieldLength));
  setValidator(new Windows1252Validator(this));
}

void NameField::keyPressEvent(QKeyEvent* event) {
  char key = Backspace;
  if (event->key() != Qt::Key_Backspace) {
    const QString typed = event->text();
    // Moving, deleting forward and the editing shortcuts are not typed characters.
    if (typed.size() != 1 || !typed.front().isPrint()) return QLineEdit::keyPressEvent(event);
    if (!representable(typed)) return event->accept();
    key = fromQt(typed).front();
  }
  const NameKey rule = nameFieldKey(row_, fromQt(text()), hasSelectedText(), key);
  if (rule.emptiesField) clear();
  if (rule.accepted)
    QLineEdit::keyPressEvent(event);
  else
    event->accept();
}

void NameField::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  selectAll();
}

BranchNamesDialog::BranchNamesDialog(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
  setObjectName("branchNamesDialog");
  pressFocusedButtonOnEnter(this);
  const QString caption = "Ændring af navne og tilføjelse af tekst";
  setWindowTitle(caption);
  setAccessibleName(caption);
  setFont(dialogFont(16, true));
  setFixedSize(DialogSize);

  QLabel* heading = placeLabel(this, "heading", HeadingPlace.x(), HeadingPlace.y());
  heading->setText("Navn   Nyt navn     Tekst på grenen");
  heading->adjustSize();
  rowsArea_ = new QScrollArea(this);
  rowsArea_->setObjectName("rowsArea");
  rowsArea_->setFrameShape(QFrame::NoFrame);
  rowsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rowsArea_->setGeometry(0, RowsAreaTop, DialogSize.width(), rowsHeight(RowsShown));
  auto* rows = new QWidget(rowsArea_);
  rows->setObjectName("rows");
  rows->resize(RowsWidth, rowsHeight(RowsShown));
  for (int row = 1; row <= MaxLabelRows; ++row) {
    const auto i = static_cast<std::size_t>(row - 1);
    rowNames_[i] =
        placeLabel(rows, qPrintable(QString("rowName%1").arg(row)), RowNameLeft, top(row));
    nameFields_[i] = new NameField(rows, row);
    nameFields_[i]->setGeometry(NameFieldLeft, top(row) - FieldRise, NameFieldWidth, FieldHeight);
    textFields_[i] = new QLineEdit(rows);
    textFields_[i]->setObjectName(QString("textField%1").arg(row));
    textFields_[i]->setMaxLength(static_cast<int>(TextFieldLength));
    textFields_[i]->setValidator(new Windows1252Validator(textFields_[i]));
    textFields_[i]->setGeometry(TextFieldLeft, top(row) - FieldRise, TextFieldWidth, FieldHeight);
    // Named by row until the dialog is shown on a tree, which names them by branch.
    nameFields_[i]->setAccessibleName(QString("Nyt navn %1").arg(row));
    textFields_[i]->setAccessibleName(QString("Tekst på grenen %1").arg(row));
  }
  rowsArea_->setWidget(rows);
  // Name fields first, then text fields, then the button.
  QWidget* previous = nameFields_[0];
  for (std::size_t i = 1; i < nameFields_.size(); ++i) {
    setTabOrder(previous, nameFields_[i]);
    previous = nameFields_[i];
  }
  for (QLineEdit* field : textFields_) {
    setTabOrder(previous, field);
    previous = field;
  }

  applyButton_ = new QToolButton(this);
  applyButton_->setObjectName("applyButton");
  applyButton_->setGeometry(ApplyButtonPlace);
  applyButton_->setIcon(applyIcon());
  applyButton_->setIconSize(QSize(24, 24));
  applyButton_->setToolTip(ApplyHint);
  applyButton_->setAccessibleName(ApplyHint);
  setTabOrder(previous, applyButton_);
  connect(applyButton_, &QToolButton::clicked, this, &BranchNamesDialog::apply);
}

BranchNameFields BranchNamesDialog::fields() const {
  BranchNameFields result;
  for (std::size_t i = 0; i < result.size(); ++i)
    result[i] = {fromQt(nameFields_[i]->text()), fromQt(textFields_[i]->text())};
  return result;
}

void BranchNamesDialog::apply() {
  const std::optional<NameClash> clash = clashingNewName(labels_, fields());
  if (!clash) return accept();
  const QString message = toQt(nameClashMessage(labels_, *clash));
  QMessageBox box(QMessageBox::NoIcon, " ", message, QMessageBox::Ok, this);
  box.setAccessibleName(message);
  box.exec();
  // Back to the field to correct: the row without a name, or the later of the two.
  NameField* field =
      nameFields_[static_cast<std::size_t>(std::max(clash->row, clash->otherRow) - 1)];
  rowsArea_->ensureWidgetVisible(field);
  field->setFocus();
  field->selectAll();
}

std::optional<BranchNameFields> BranchNamesDialog::ask(const LabelRows& labels) {
  labels_ = labels;
  // Ten rows always stand in the dialog; more only as far as the tree has them.
  const int rowsShown = std::clamp(labels.count, RowsShown, MaxLabelRows);
  for (int row = 1; row <= MaxLabelRows; ++row) {
    const auto i = static_cast<std::size_t>(row - 1);
    const LabelRow& label = labels.rows[static_cast<std::size_t>(row)];
    const bool inUse = row <= RowsAlwaysOpen || row <= labels.count;
    const QString name = inUse ? toQt(label.oldName.view()) : QString(" ");
    rowNames_[i]->setText(name);
    rowNames_[i]->adjustSize();
    if (inUse) {
      nameFields_[i]->setText(toQt(label.newName.view()));
      textFields_[i]->setText(toQt(label.text));
    }
    nameFields_[i]->setEnabled(inUse);
    textFields_[i]->setEnabled(inUse);
    for (QWidget* widget :
         {static_cast<QWidget*>(rowNames_[i]), static_cast<QWidget*>(nameFields_[i]),
          static_cast<QWidget*>(textFields_[i])})
      widget->setVisible(row <= rowsShown);
    const QString which = inUse ? name : QString::number(row);
    nameFields_[i]->setAccessibleName("Nyt navn " + which);
    textFields_[i]->setAccessibleName("Tekst på grenen " + which);
  }
  rowsArea_->widget()->resize(RowsWidth, rowsHeight(rowsShown));
  rowsArea_->verticalScrollBar()->setValue(0);
  nameFields_[0]->selectAll();
  nameFields_[0]->setFocus();
  if (exec() != Accepted) return std::nullopt;
  return fields();
}

}  // namespace kvistra::ui
