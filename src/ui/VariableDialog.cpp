#include "ui/VariableDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

constexpr int Margin = 16;
constexpr int ColumnGap = 20;
constexpr QSize NameFieldSize(32, 26);
constexpr int ValueFieldWidth = 90;
// Each table shows about ten rows and scrolls through more, so the dialog fits a 1024 × 768
// screen whatever the tree.
constexpr QSize TableSize(240, 300);
constexpr QSize OutcomeTableSize(300, 300);
constexpr int ButtonWidth = 110;

constexpr VariableKind Kinds[] = {VariableKind::CountOfNames, VariableKind::SumOfBranches,
                                  VariableKind::ValuePerOutcome};

std::size_t indexOf(VariableKind kind) {
  return static_cast<std::size_t>(kind);
}

// A one-letter name is kept with a blank after it, which the dialog does not show.
QString shownName(const std::string& name) {
  return toQt(name).trimmed();
}

QLineEdit* valueField(QWidget* parent, const std::string& value, const QString& accessibleName) {
  auto* field = new QLineEdit(toQt(value), parent);
  field->setMaxLength(static_cast<int>(VariableText::capacity));
  field->setFixedWidth(ValueFieldWidth);
  field->setAccessibleName(accessibleName);
  return field;
}

// A table's rows, top-aligned, replacing what it held.
QGridLayout* freshRows(QScrollArea* table) {
  auto* rows = new QWidget;
  auto* grid = new QGridLayout(rows);
  grid->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  grid->setHorizontalSpacing(12);
  table->setWidget(rows);
  return grid;
}

}  // namespace

VariableDialog::VariableDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "variableDialog", "   Stokastisk variabel",
                     Qt::WindowCloseButtonHint) {
  setFont(dialogFont(13, false));
  setAccessibleName(windowTitle().trimmed());
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(Margin, Margin, Margin, Margin);
  column->setSpacing(12);

  auto* nameRow = new QHBoxLayout;
  QLabel* nameLabel = placeLabel(this, "nameLabel", 0, 0);
  nameLabel->setText("&Navn:");
  nameField_ = new QLineEdit(this);
  nameField_->setObjectName("nameField");
  nameField_->setMaxLength(1);
  nameField_->setFixedSize(NameFieldSize);
  nameField_->setAccessibleName("Navn");
  nameLabel->setBuddy(nameField_);
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(nameField_);
  nameRow->addStretch();
  column->addLayout(nameRow);

  const char* const captions[] = {"&Antal af …", "&Sum af værdier på grenene",
                                  "Værdi på &hvert udfald"};
  const char* const names[] = {"countedNames", "namesWithValues", "outcomesWithValues"};
  auto* kinds = new QHBoxLayout;
  kinds->setSpacing(ColumnGap);
  for (VariableKind kind : Kinds) {
    const std::size_t i = indexOf(kind);
    auto* kindColumn = new QVBoxLayout;
    kindButtons_[i] = new QRadioButton(captions[i], this);
    kindButtons_[i]->setObjectName(QString(names[i]) + "Choice");
    kindButtons_[i]->setAccessibleName(QString(captions[i]).remove('&'));
    tables_[i] = new QScrollArea(this);
    tables_[i]->setObjectName(names[i]);
    tables_[i]->setAccessibleName(kindButtons_[i]->accessibleName());
    tables_[i]->setFixedSize(kind == VariableKind::ValuePerOutcome ? OutcomeTableSize : TableSize);
    tables_[i]->setWidgetResizable(true);
    // The rows take the keyboard, and the table scrolls to the one that has it.
    tables_[i]->setFocusPolicy(Qt::NoFocus);
    connect(kindButtons_[i], &QRadioButton::toggled, this, &VariableDialog::enableChosenTable);
    kindColumn->addWidget(kindButtons_[i]);
    kindColumn->addWidget(tables_[i]);
    kinds->addLayout(kindColumn);
  }
  column->addLayout(kinds);

  placeButtons("OK", QRect(), "&Fortryd", QRect());
  removeButton_ = placeButton(this, "removeButton", "Fjern &variablen", QRect());
  removeButton_->setAutoDefault(false);
  connect(removeButton_, &QPushButton::clicked, this, [this] {
    choice_ = VariableChoice::Remove;
    accept();
  });
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {okButton(), cancelButton(), removeButton_}) {
    button->setMinimumWidth(ButtonWidth);
    buttons->addWidget(button);
  }
  buttons->insertStretch(2);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{nameField_, okButton(), cancelButton(), removeButton_})
    askHelpOnF1(widget);
  for (QWidget* widget : kindButtons_) askHelpOnF1(widget);
}

void VariableDialog::fillTables(const VariableForm& form) {
  countedBoxes_.clear();
  nameValueFields_.clear();
  outcomeValueFields_.clear();
  QGridLayout* counted = freshRows(tables_[indexOf(VariableKind::CountOfNames)]);
  QGridLayout* valued = freshRows(tables_[indexOf(VariableKind::SumOfBranches)]);
  for (std::size_t row = 0; row < form.names.size(); ++row) {
    const VariableNameRow& name = form.names[row];
    const QString shown = shownName(name.name);
    auto* box = new QCheckBox(shown);
    box->setObjectName(QString("counted%1").arg(row + 1));
    box->setAccessibleName(shown);
    box->setChecked(name.counted);
    counted->addWidget(box, static_cast<int>(row), 0);
    countedBoxes_.push_back(box);

    auto* label = new QLabel(shown);
    QLineEdit* field = valueField(nullptr, name.value, "Værdi på " + shown);
    field->setObjectName(QString("nameValue%1").arg(row + 1));
    label->setBuddy(field);
    valued->addWidget(label, static_cast<int>(row), 0);
    valued->addWidget(field, static_cast<int>(row), 1);
    nameValueFields_.push_back(field);
  }
  QGridLayout* outcomes = freshRows(tables_[indexOf(VariableKind::ValuePerOutcome)]);
  outcomes->setColumnStretch(1, 1);
  for (std::size_t row = 0; row < form.outcomes.size(); ++row) {
    const VariableOutcomeRow& outcome = form.outcomes[row];
    // The number in a column of its own, so the paths line up past outcome 9.
    auto* number = new QLabel(QString::number(outcome.outcome));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* path = new QLabel(toQt(outcome.path));
    QLineEdit* field =
        valueField(nullptr, outcome.value,
                   QString("Værdi på udfald %1: %2").arg(outcome.outcome).arg(path->text()));
    field->setObjectName(QString("outcomeValue%1").arg(outcome.outcome));
    path->setBuddy(field);
    outcomes->addWidget(number, static_cast<int>(row), 0);
    outcomes->addWidget(path, static_cast<int>(row), 1);
    outcomes->addWidget(field, static_cast<int>(row), 2);
    outcomeValueFields_.push_back(field);
  }
  // Tab goes through each way's rows after its choice, not after the buttons.
  std::vector<QWidget*> order{nameField_, kindButtons_[0]};
  order.insert(order.end(), countedBoxes_.begin(), countedBoxes_.end());
  order.push_back(kindButtons_[1]);
  order.insert(order.end(), nameValueFields_.begin(), nameValueFields_.end());
  order.push_back(kindButtons_[2]);
  order.insert(order.end(), outcomeValueFields_.begin(), outcomeValueFields_.end());
  order.insert(order.end(), {okButton(), cancelButton(), removeButton_});
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void VariableDialog::enableChosenTable() {
  for (std::size_t i = 0; i < KindCount; ++i) tables_[i]->setEnabled(kindButtons_[i]->isChecked());
}

VariableForm VariableDialog::typedForm() const {
  VariableForm form = shownForm_;
  form.name = fromQt(nameField_->text());
  for (VariableKind kind : Kinds)
    if (kindButtons_[indexOf(kind)]->isChecked()) form.kind = kind;
  for (std::size_t row = 0; row < form.names.size(); ++row) {
    form.names[row].counted = countedBoxes_[row]->isChecked();
    form.names[row].value = fromQt(nameValueFields_[row]->text());
  }
  for (std::size_t row = 0; row < form.outcomes.size(); ++row)
    form.outcomes[row].value = fromQt(outcomeValueFields_[row]->text());
  return form;
}

QLineEdit* VariableDialog::faultyField(const VariableFormFault& fault) const {
  switch (fault.field) {
    case VariableField::Name:
      return nameField_;
    case VariableField::BranchValue:
      return nameValueFields_.at(fault.row);
    case VariableField::OutcomeValue:
      return outcomeValueFields_.at(fault.row);
  }
  return nameField_;
}

void VariableDialog::okPressed() {
  const std::optional<VariableFormFault> fault = variableFormFault(typedForm());
  if (!fault) {
    choice_ = VariableChoice::Define;
    accept();
    return;
  }
  const QString message = toQt(fault->message);
  QMessageBox box(QMessageBox::NoIcon, " ", message, QMessageBox::Ok, this);
  box.setAccessibleName(message);
  box.exec();
  QLineEdit* field = faultyField(*fault);
  for (QScrollArea* table : tables_)
    if (table->isAncestorOf(field)) table->ensureWidgetVisible(field);
  field->setFocus();
  field->selectAll();
}

VariableReply VariableDialog::ask(const VariableForm& form) {
  shownForm_ = form;
  choice_ = VariableChoice::Cancel;
  nameField_->setText(toQt(form.name));
  fillTables(form);
  kindButtons_[indexOf(form.kind)]->setChecked(true);
  enableChosenTable();
  removeButton_->setEnabled(form.defined);
  kindButtons_[indexOf(form.kind)]->setFocus();
  exec();
  return {choice_, typedForm()};
}

}  // namespace kvistra::ui
