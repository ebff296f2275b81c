// The pane "Fordeling af X" beside the drawing: the random variable's table, its mean and spread
// with their working, its bar chart, and questions about it. It shows what the window state
// holds; "Beregn" and "Kopiér" go to the main window as commands.
#pragma once

#include <QDockWidget>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "distribution/VariableQuestion.h"
#include "window/DistributionPane.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kvistra::ui {

// The chart, painted through the core's chart routine.
class DistributionChartView : public QWidget {
  Q_OBJECT
 public:
  explicit DistributionChartView(QWidget* parent);
  void showPane(const DistributionPane& pane);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DistributionPane pane_;
};

class DistributionDock : public QDockWidget {
  Q_OBJECT
 public:
  explicit DistributionDock(QWidget* parent);

  // Shown while the window state has the pane, hidden otherwise.
  void showPane(const std::optional<DistributionPane>& pane);

 signals:
  // "Beregn", with the values typed; upper only for a ≤ X ≤ b.
  void questionAsked(Comparison comparison, const QString& bound, const QString& upper);
  void copyRequested();

 private:
  void createQuestionRow(QWidget* content);
  void showTable(const DistributionPane& pane);
  // The fields the chosen comparison needs, and the letter around them.
  void showComparison();
  Comparison comparison() const;

  QLabel* heading_;
  QLabel* trialsLine_;
  QLabel* note_;
  QTableWidget* distributionTable_;
  QLabel* mean_;
  QLabel* variance_;
  QLabel* standardDeviation_;
  QLabel* working_;
  DistributionChartView* chart_;
  QPushButton* copyButton_;
  QLabel* questionOpening_;
  QComboBox* comparisonBox_;
  QLineEdit* boundField_;
  QLabel* betweenLabel_;
  QLineEdit* upperField_;
  QLabel* questionClosing_;
  QPushButton* calculateButton_;
  QLabel* answer_;
  QLabel* answerWorking_;
  QString name_ = "X";
  // What the table shows, so that a command that leaves it alone does not refill its rows.
  QStringList shownColumns_;
  std::vector<DistributionPaneRow> shownRows_;
};

}  // namespace kvistra::ui
