#include "ui/DistributionDock.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "drawing/DistributionChart.h"
#include "ui/QtCanvas.h"

namespace kvistra::ui {

namespace {

// Readable from the back of a classroom, and wide enough for "Decimaltal" beside a fraction.
constexpr int PaneFontPixels = 15;
constexpr int WorkingFontPixels = 13;
constexpr int ContentWidth = 280;
constexpr int ChartHeight = 170;
constexpr int ValueFieldWidth = 64;
// More rows than this scroll within the table.
constexpr int MostRowsInView = 8;
// Above and below a row's text.
constexpr int RowPadding = 6;

struct ComparisonChoice {
  Comparison comparison;
  const char* caption;  // UTF-8; "X" stands for the variable's letter
};
constexpr std::array<ComparisonChoice, 6> ComparisonChoices = {{
    {Comparison::Equal, "="},
    {Comparison::AtMost, "≤"},
    {Comparison::AtLeast, "≥"},
    {Comparison::Below, "<"},
    {Comparison::Above, ">"},
    {Comparison::Between, "a ≤ X ≤ b"},
}};

QFont paneFont(int pixelHeight, bool bold) {
  return toQFont(Font{"Arial", pixelHeight, bold});
}

QString display(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

QLabel* textLabel(QWidget* parent, const char* name, int pixelHeight = PaneFontPixels,
                  bool bold = false) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setFont(paneFont(pixelHeight, bold));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  return label;
}

// A label's text, read by a screen reader as its name; hidden while it has none.
void showText(QLabel* label, const QString& text) {
  label->setText(text);
  label->setAccessibleName(text);
  label->setVisible(!text.isEmpty());
}

}  // namespace

DistributionChartView::DistributionChartView(QWidget* parent) : QWidget(parent) {
  setObjectName("distributionChart");
  setFixedHeight(ChartHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void DistributionChartView::showPane(const DistributionPane& pane) {
  pane_ = pane;
  QStringList readings;
  for (const std::string& reading : distributionChartReadings(pane)) readings << display(reading);
  setAccessibleName(display("Søjlediagram: " + pane.heading));
  setAccessibleDescription(readings.join("; "));
  update();
}

void DistributionChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  QtCanvas canvas(painter, size(), false);
  drawDistributionChart(pane_, canvas, width(), height());
}

DistributionDock::DistributionDock(QWidget* parent) : QDockWidget(parent) {
  setObjectName("distributionPane");
  setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  // Scrolled rather than cut off on a low screen.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("distributionScroll");
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setFrameStyle(QFrame::NoFrame);
  auto* content = new QWidget(scroll);
  content->setObjectName("distributionContent");
  content->setMinimumWidth(ContentWidth);
  content->setFont(paneFont(PaneFontPixels, false));
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(8, 8, 8, 8);

  heading_ = textLabel(content, "distributionHeading", PaneFontPixels + 1, true);
  trialsLine_ = textLabel(content, "trialsLine");
  note_ = textLabel(content, "distributionNote");
  distributionTable_ = new QTableWidget(content);
  distributionTable_->setObjectName("distributionTable");
  distributionTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  distributionTable_->setSelectionMode(QAbstractItemView::NoSelection);
  distributionTable_->verticalHeader()->hide();
  // Its corner button would select the whole table, which shows values only; it stays hidden
  // with the row numbers, but is still a button the accessibility tree lists.
  distributionTable_->setCornerButtonEnabled(false);
  if (auto* corner = distributionTable_->findChild<QAbstractButton*>())
    corner->setAccessibleName("Tabellens hjørne");
  distributionTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  distributionTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  distributionTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  mean_ = textLabel(content, "meanLine");
  variance_ = textLabel(content, "varianceLine");
  standardDeviation_ = textLabel(content, "standardDeviationLine");
  working_ = textLabel(content, "distributionWorking", WorkingFontPixels);
  chart_ = new DistributionChartView(content);
  copyButton_ = new QPushButton("Kopiér", content);
  copyButton_->setObjectName("copyChartButton");
  copyButton_->setAccessibleName(copyButton_->text());
  copyButton_->setToolTip("Kopiér diagrammet til Klippebordet");
  connect(copyButton_, &QPushButton::clicked, this, &DistributionDock::copyRequested);
  for (QWidget* shown :
       std::initializer_list<QWidget*>{heading_, trialsLine_, note_, distributionTable_, mean_,
                                       variance_, standardDeviation_, working_, chart_})
    column->addWidget(shown);
  column->addWidget(copyButton_, 0, Qt::AlignRight);
  createQuestionRow(content);
  column->addStretch(1);
  scroll->setWidget(content);
  setWidget(scroll);
}

void DistributionDock::createQuestionRow(QWidget* content) {
  auto* column = static_cast<QVBoxLayout*>(content->layout());
  auto* choiceRow = new QHBoxLayout;
  comparisonBox_ = new QComboBox(content);
  comparisonBox_->setObjectName("comparisonBox");
  comparisonBox_->setAccessibleName("Sammenligning");
  for (const ComparisonChoice& choice : ComparisonChoices)
    comparisonBox_->addItem(QString::fromUtf8(choice.caption));
  calculateButton_ = new QPushButton("Beregn", content);
  calculateButton_->setObjectName("calculateButton");
  calculateButton_->setAccessibleName(calculateButton_->text());
  choiceRow->addWidget(comparisonBox_);
  choiceRow->addStretch(1);
  choiceRow->addWidget(calculateButton_);

  auto* questionRow = new QHBoxLayout;
  questionOpening_ = new QLabel(content);
  questionOpening_->setObjectName("questionOpening");
  boundField_ = new QLineEdit(content);
  boundField_->setObjectName("boundField");
  betweenLabel_ = new QLabel(content);
  betweenLabel_->setObjectName("betweenLabel");
  upperField_ = new QLineEdit(content);
  upperField_->setObjectName("upperField");
  questionClosing_ = new QLabel(")", content);
  questionClosing_->setObjectName("questionClosing");
  for (QLineEdit* field : {boundField_, upperField_}) {
    field->setFixedWidth(ValueFieldWidth);
    connect(field, &QLineEdit::returnPressed, calculateButton_, &QPushButton::click);
  }
  questionRow->addWidget(questionOpening_);
  questionRow->addWidget(boundField_);
  questionRow->addWidget(betweenLabel_);
  questionRow->addWidget(upperField_);
  questionRow->addWidget(questionClosing_);
  questionRow->addStretch(1);
  column->addLayout(choiceRow);
  column->addLayout(questionRow);

  answer_ = textLabel(content, "answerLine", PaneFontPixels, true);
  answerWorking_ = textLabel(content, "answerWorking", WorkingFontPixels);
  column->addWidget(answer_);
  column->addWidget(answerWorking_);

  connect(comparisonBox_, &QComboBox::currentIndexChanged, this, &DistributionDock::showComparison);
  connect(calculateButton_, &QPushButton::clicked, this,
          [this] { emit questionAsked(comparison(), boundField_->text(), upperField_->text()); });
  showComparison();
}

Comparison DistributionDock::comparison() const {
  const int chosen = std::max(0, comparisonBox_->currentIndex());
  return ComparisonChoices[static_cast<std::size_t>(chosen)].comparison;
}

void DistributionDock::showComparison() {
  const bool between = comparison() == Comparison::Between;
  comparisonBox_->setItemText(static_cast<int>(ComparisonChoices.size()) - 1,
                              QString("a ≤ %1 ≤ b").arg(name_));
  const QString opening =
      between ? QString("P(") : QString("P(%1 %2").arg(name_, comparisonBox_->currentText());
  const QString middle = QString("≤ %1 ≤").arg(name_);
  questionOpening_->setText(opening);
  betweenLabel_->setText(middle);
  // Each field is named by the text before it, as a reader sees the question.
  boundField_->setAccessibleName(between ? "a" : opening);
  upperField_->setAccessibleName("b");
  betweenLabel_->setVisible(between);
  upperField_->setVisible(between);
}

void DistributionDock::showPane(const std::optional<DistributionPane>& pane) {
  setVisible(pane.has_value());
  if (!pane) return;
  const QString heading = display(pane->heading);
  setWindowTitle(heading);
  setAccessibleName(heading);
  showText(heading_, heading);
  if (display(pane->name) != name_) {
    name_ = display(pane->name);
    showComparison();
  }
  showText(trialsLine_, display(pane->trialsLine));
  showText(note_, display(pane->note));
  showTable(*pane);
  showText(mean_, display(pane->mean));
  showText(variance_, display(pane->variance));
  showText(standardDeviation_, display(pane->standardDeviation));
  QStringList working;
  for (const std::string& line : pane->working) working << display(line);
  showText(working_, working.join('\n'));
  const bool computed = !pane->rows.empty();
  chart_->setVisible(computed);
  chart_->showPane(*pane);
  copyButton_->setVisible(computed);
  calculateButton_->setEnabled(computed);
  showText(answer_, display(pane->answer));
  showText(answerWorking_, display(pane->answerWorking));
}

void DistributionDock::showTable(const DistributionPane& pane) {
  distributionTable_->setVisible(!pane.rows.empty());
  QStringList columns{display(pane.valueColumn), display(pane.probabilityColumn)};
  if (pane.decimalColumn) columns << "Decimaltal";
  if (!pane.cumulativeColumn.empty()) columns << display(pane.cumulativeColumn);
  // A thousand trials' rows take a moment to fill; most commands change none of them.
  if (columns == shownColumns_ && pane.rows == shownRows_) return;
  shownColumns_ = columns;
  shownRows_ = pane.rows;
  distributionTable_->setColumnCount(static_cast<int>(columns.size()));
  distributionTable_->setHorizontalHeaderLabels(columns);
  // Rows of one font have one height; measuring each of a thousand would take long.
  const int rowHeight = distributionTable_->fontMetrics().height() + RowPadding;
  distributionTable_->setRowCount(0);
  distributionTable_->verticalHeader()->setDefaultSectionSize(rowHeight);
  distributionTable_->setRowCount(static_cast<int>(pane.rows.size()));
  for (int r = 0; r < static_cast<int>(pane.rows.size()); ++r) {
    const DistributionPaneRow& row = pane.rows[static_cast<std::size_t>(r)];
    std::vector<const std::string*> cells{&row.value, &row.probability};
    if (pane.decimalColumn) cells.push_back(&row.decimal);
    if (!pane.cumulativeColumn.empty()) cells.push_back(&row.cumulative);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
      auto* item = new QTableWidgetItem(display(*cells[static_cast<std::size_t>(c)]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      distributionTable_->setItem(r, c, item);
    }
  }
  const int shown = std::min(static_cast<int>(pane.rows.size()), MostRowsInView);
  distributionTable_->setFixedHeight(distributionTable_->horizontalHeader()->sizeHint().height() +
                                     shown * rowHeight + 2 * distributionTable_->frameWidth());
  // Of a thousand trials' rows the first are all 0.0000; the rows that matter are brought in.
  if (QTableWidgetItem* focused = distributionTable_->item(pane.focusedRow, 0))
    distributionTable_->scrollToItem(focused, QAbstractItemView::PositionAtCenter);
}

}  // namespace kvistra::ui
