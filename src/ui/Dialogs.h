// The main window's modal dialogs, each made the first time it is needed: most runs never open
// most of them, and a dialog built at start costs start-up time and memory for nothing.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kvistra::ui {

class AboutDialog;
class ApproveResultDialog;
class CountDialog;
class PrintHeadingDialog;
class ProbabilityDialog;
class PromptDialog;
class ResultLineDialog;
class ReverseTreeDialog;
class SimulationDialog;
class BranchNamesDialog;
class TreeFileDialog;
class TrialsDialog;
class VariableDialog;
class WorksheetDialog;
class YesNoDialog;

class Dialogs {
 public:
  // The dialogs are children of mainWindow; F1 in a dialog calls showHelp.
  Dialogs(QWidget& mainWindow, std::function<void()> showHelp);

  AboutDialog& about();
  ApproveResultDialog& approveResult();
  ProbabilityDialog& probability();
  PromptDialog& prompt();
  ResultLineDialog& resultLine();
  YesNoDialog& yesNo();
  BranchNamesDialog& branchNames();
  TreeFileDialog& openFile();
  TreeFileDialog& saveFile();
  PrintHeadingDialog& printHeading();
  WorksheetDialog& worksheet();
  ReverseTreeDialog& reverseTree();
  SimulationDialog& simulation();
  CountDialog& count();
  VariableDialog& variable();
  TrialsDialog& trials();

 private:
  template <class Dialog, class... Arguments>
  Dialog& madeOnFirstUse(Dialog*& dialog, Arguments... arguments);

  QWidget& mainWindow_;
  std::function<void()> showHelp_;
  AboutDialog* about_ = nullptr;
  ApproveResultDialog* approveResult_ = nullptr;
  ProbabilityDialog* probability_ = nullptr;
  PromptDialog* prompt_ = nullptr;
  ResultLineDialog* resultLine_ = nullptr;
  YesNoDialog* yesNo_ = nullptr;
  BranchNamesDialog* branchNames_ = nullptr;
  TreeFileDialog* openFile_ = nullptr;
  TreeFileDialog* saveFile_ = nullptr;
  PrintHeadingDialog* printHeading_ = nullptr;
  WorksheetDialog* worksheet_ = nullptr;
  ReverseTreeDialog* reverseTree_ = nullptr;
  SimulationDialog* simulation_ = nullptr;
  CountDialog* count_ = nullptr;
  VariableDialog* variable_ = nullptr;
  TrialsDialog* trials_ = nullptr;
};

}  // namespace kvistra::ui
