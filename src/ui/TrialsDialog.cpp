#include "ui/TrialsDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "construction/TrialsTree.h"
#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

constexpr int Margin = 16;
constexpr int FieldWidth = 110;
constexpr int ButtonWidth = 110;

// A field and its caption in the form; the caption names the field for a screen reader.
template <class Field>
Field* addField(QFormLayout* form, Field* field, const char* name, const QString& caption) {
  field->setObjectName(name);
  field->setAccessibleName(QString(caption).remove('&').remove(':'));
  field->setFixedWidth(FieldWidth);
  form->addRow(caption, field);
  return field;
}

QSpinBox* spinBox(QWidget* parent, int least, int most) {
  auto* box = new QSpinBox(parent);
  box->setRange(least, most);
  return box;
}

QLineEdit* letterField(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setMaxLength(1);
  return field;
}

char letterOf(const QLineEdit* field) {
  const QString text = field->text().trimmed().toUpper();
  return text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z' ? static_cast<char>(text[0].unicode())
                                                              : '?';
}

}  // namespace

TrialsDialog::TrialsDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "trialsDialog", "   Gentagne forsøg", Qt::WindowCloseButtonHint) {
  setFont(dialogFont(13, false));
  setAccessibleName(windowTitle().trimmed());
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(Margin, Margin, Margin, Margin);
  column->setSpacing(12);

  auto* common = new QFormLayout;
  countField_ = addField(common, spinBox(this, 1, MostTrials), "countField", "Antal &forsøg n:");
  successField_ = addField(common, letterField(this), "successField", "Navn for &succes:");
  failureField_ = addField(common, letterField(this), "failureField", "Navn for f&iasko:");
  column->addLayout(common);

  withReplacementChoice_ = new QRadioButton("&med tilbagelægning", this);
  withReplacementChoice_->setObjectName("withReplacementChoice");
  withReplacementChoice_->setAccessibleName("med tilbagelægning");
  column->addWidget(withReplacementChoice_);
  auto* withForm = new QFormLayout;
  withForm->setContentsMargins(24, 0, 0, 0);
  probabilityField_ =
      addField(withForm, new QLineEdit(this), "probabilityField", "Sandsynlighed for succes &p:");
  probabilityField_->setMaxLength(static_cast<int>(VariableText::capacity));
  column->addLayout(withForm);

  withoutReplacementChoice_ = new QRadioButton("&uden tilbagelægning", this);
  withoutReplacementChoice_->setObjectName("withoutReplacementChoice");
  withoutReplacementChoice_->setAccessibleName("uden tilbagelægning");
  column->addWidget(withoutReplacementChoice_);
  auto* withoutForm = new QFormLayout;
  withoutForm->setContentsMargins(24, 0, 0, 0);
  populationField_ = addField(withoutForm, spinBox(this, 1, LargestPopulation), "populationField",
                              "Antal i &alt N:");
  populationSuccessesField_ = addField(withoutForm, spinBox(this, 0, LargestPopulation),
                                       "populationSuccessesField", "Antal su&cceser M:");
  column->addLayout(withoutForm);
  for (QRadioButton* choice : {withReplacementChoice_, withoutReplacementChoice_})
    connect(choice, &QRadioButton::toggled, this, &TrialsDialog::enableChosenWay);

  placeButtons("OK", QRect(), "&Fortryd", QRect());
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {okButton(), cancelButton()}) {
    button->setMinimumWidth(ButtonWidth);
    buttons->addWidget(button);
  }
  buttons->insertStretch(1);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);
  for (QWidget* widget : std::initializer_list<QWidget*>{
           countField_, successField_, failureField_, withReplacementChoice_, probabilityField_,
           withoutReplacementChoice_, populationField_, populationSuccessesField_, okButton(),
           cancelButton()})
    askHelpOnF1(widget);
}

void TrialsDialog::enableChosenWay() {
  const bool with = withReplacementChoice_->isChecked();
  probabilityField_->setEnabled(with);
  populationField_->setEnabled(!with);
  populationSuccessesField_->setEnabled(!with);
}

RepeatedTrials TrialsDialog::typedTrials() const {
  RepeatedTrials trials;
  trials.count = countField_->value();
  trials.success = letterOf(successField_);
  trials.failure = letterOf(failureField_);
  trials.withReplacement = withReplacementChoice_->isChecked();
  trials.probability = fromQt(probabilityField_->text().trimmed());
  trials.population = populationField_->value();
  trials.populationSuccesses = populationSuccessesField_->value();
  return trials;
}

void TrialsDialog::okPressed() {
  for (QSpinBox* field : {countField_, populationField_, populationSuccessesField_})
    field->interpretText();
  const std::string refusal = trialsRefusal(typedTrials());
  if (refusal.empty()) {
    accept();
    return;
  }
  const QString message = QString::fromStdString(refusal);
  QMessageBox box(QMessageBox::NoIcon, " ", message, QMessageBox::Ok, this);
  box.setObjectName("trialsRefusal");
  box.setAccessibleName(message);
  box.exec();
}

std::optional<RepeatedTrials> TrialsDialog::ask(const RepeatedTrials& preset) {
  countField_->setValue(preset.count);
  successField_->setText(QString(QChar(preset.success)));
  failureField_->setText(QString(QChar(preset.failure)));
  withReplacementChoice_->setChecked(preset.withReplacement);
  withoutReplacementChoice_->setChecked(!preset.withReplacement);
  probabilityField_->setText(toQt(preset.probability.view()));
  populationField_->setValue(preset.population);
  populationSuccessesField_->setValue(preset.populationSuccesses);
  enableChosenWay();
  countField_->setFocus();
  countField_->selectAll();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return typedTrials();
}

}  // namespace kvistra::ui
