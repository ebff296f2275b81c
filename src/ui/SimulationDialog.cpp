#include "ui/SimulationDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/DialogLook.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

constexpr QSize ClientSize(360, 170);
constexpr QRect TrialsPlace(150, 14, 190, 26);
constexpr QRect SeedPlace(150, 50, 190, 26);
constexpr QRect OkPlace(24, 130, 89, 27);
constexpr QRect CancelPlace(251, 130, 89, 27);
// The runs a class usually compares; any other number up to a million can be typed.
const QStringList OfferedRuns = {"10", "100", "1 000", "10 000"};

QLabel* fieldLabel(QWidget* parent, const char* name, const QString& caption, QWidget* field) {
  QLabel* label = placeLabel(parent, name, 16, field->y() + 4);
  label->setText(caption);
  label->adjustSize();
  label->setBuddy(field);
  field->setAccessibleName(QString(caption).remove('&').remove(':'));
  return label;
}

}  // namespace

SimulationDialog::SimulationDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "simulationDialog", "   Simulér", Qt::WindowCloseButtonHint) {
  setFont(dialogFont(13, false));
  setFixedSize(ClientSize);
  setAccessibleName(windowTitle().trimmed());
  trialsField_ = new QComboBox(this);
  trialsField_->setObjectName("trialsField");
  trialsField_->setEditable(true);
  trialsField_->addItems(OfferedRuns);
  // The number shown is the one run: a combo box would otherwise complete or swap what was typed
  // for an item when Enter is pressed, and keep the dialog open.
  trialsField_->setCompleter(nullptr);
  trialsField_->setInsertPolicy(QComboBox::NoInsert);
  connect(trialsField_->lineEdit(), &QLineEdit::returnPressed, this, &QDialog::accept);
  trialsField_->setGeometry(TrialsPlace);
  seedField_ = new QLineEdit(this);
  seedField_->setObjectName("seedField");
  seedField_->setGeometry(SeedPlace);
  fieldLabel(this, "trialsLabel", "&Antal forsøg:", trialsField_);
  fieldLabel(this, "seedLabel", "F&rø:", seedField_);
  QLabel* note = placeLabel(this, "note", 16, 92);
  note->setText("Samme frø giver de samme forsøg igen.");
  note->adjustSize();
  placeButtons("&Simulér", OkPlace, "&Fortryd", CancelPlace);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{trialsField_, seedField_, okButton(), cancelButton()})
    askHelpOnF1(widget);
}

std::optional<SimulationChoice> SimulationDialog::choose(const SimulationChoice& preset) {
  trialsField_->setCurrentText(toQt(preset.trials));
  seedField_->setText(toQt(preset.seed));
  trialsField_->setFocus();
  trialsField_->lineEdit()->selectAll();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return SimulationChoice{fromQt(trialsField_->currentText()), fromQt(seedField_->text())};
}

}  // namespace kvistra::ui
