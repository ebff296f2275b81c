// Which controls of the main window the user can reach, recorded after every change of them through
// every window walk and held against the recording kept beside the tests (<test>.controls). With
// KVISTRA_RECORD_CONTROLS=1 the recording is written anew instead.
#pragma once

#include <QMenu>
#include <QtTest>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/MainWindow.h"
#include "window/WindowState.h"

namespace kvistra::ui::testing {

inline constexpr std::size_t RecordedControlCount = static_cast<std::size_t>(Control::Count);
using ControlStates = std::array<bool, RecordedControlCount>;

// The names the recording uses, in the order of Control.
inline constexpr std::array<std::string_view, RecordedControlCount> RecordedControlNames = {
    "Open",
    "Save",
    "ExportPicture",
    "Print",
    "PrintPreview",
    "PrintWorksheet",
    "Quit",
    "CopyAll",
    "Undo",
    "Redo",
    "DrawTreeMenu",
    "NewTwoBranchingTree",
    "NewThreeBranchingTree",
    "NewOtherShapeTree",
    "NewRepeatedTrials",
    "PrepareTreeMenu",
    "SetFirstProbabilities",
    "CopyAcross",
    "CopyDown",
    "EnterProbabilities",
    "EditValue",
    "EndPath",
    "BranchOut",
    "AddBranch",
    "DeleteBranch",
    "BranchNames",
    "DecimalsMenu",
    "TwoDecimals",
    "ThreeDecimals",
    "FourDecimals",
    "Fractions",
    "ClearResults",
    "ReplaceLetter",
    "DecimalComma",
    "CalculationsMenu",
    "AskEvent",
    "DefineVariable",
    "ReduceTree",
    "RestoreTree",
    "ReverseTree",
    "Simulate",
    "SimulateAgain",
    "ConditionalValues",
    "HighlightEvent",
    "ZoomIn",
    "ZoomOut",
    "ZoomNormal",
    "ZoomToFit",
    "NaturalFrequencies",
    "CaseCount",
    "VariableOnOutcomes",
    "CountingTree",
    "HelpMenu",
    "HelpContents",
    "About",
    "CopyAcrossButton",
    "CopyDownButton",
    "EnterProbabilitiesButton",
    "EventButton",
    "ReduceButton",
    "RestoreButton",
    "ClearResultsButton",
    "PrintButton",
    "PrintHeadingButton",
    "CopyMenuButton",
    "TwoBranchesButton",
    "ThreeBranchesButton",
    "FourBranchesButton",
    "FiveBranchesButton",
    "SixBranchesButton",
};

// Which controls the user can reach: a control the model has on counts as off while the menu
// holding it, the toolbar or the branch-count bar is closed or hidden, for nothing then reaches it.
inline ControlStates reachableControls(const MainWindow& form) {
  const WindowState& window = form.windowModel();
  ControlStates reachable = window.enabled;
  const auto holderOf = [&form](Control c) -> std::optional<Control> {
    for (std::size_t m = 0; m < RecordedControlCount; ++m) {
      const QMenu* menu = form.menu(static_cast<Control>(m));
      if (menu && form.action(c) && menu->actions().contains(form.action(c)))
        return static_cast<Control>(m);
    }
    return std::nullopt;
  };
  for (std::size_t i = 0; i < RecordedControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    if (c >= Control::TwoBranchesButton)
      reachable[i] = reachable[i] && window.branchCountBarVisible;
    else if (c >= Control::CopyAcrossButton)
      reachable[i] = reachable[i] && window.toolbarVisible;
    // Menus come before their items in Control, so a holder is already settled.
    else if (const std::optional<Control> holder = holderOf(c))
      reachable[i] = reachable[i] && reachable[static_cast<std::size_t>(*holder)];
  }
  return reachable;
}

// One recorded line: the test function, then the controls that are off ("-" when none is).
inline std::string recordedLine(const ControlStates& enabled) {
  std::string line = QTest::currentTestFunction() ? QTest::currentTestFunction() : "?";
  if (QTest::currentDataTag()) line += std::string("(") + QTest::currentDataTag() + ")";
  line += ":";
  bool anyOff = false;
  for (std::size_t i = 0; i < RecordedControlCount; ++i) {
    if (enabled[i]) continue;
    line += " ";
    line += RecordedControlNames[i];
    anyOff = true;
  }
  return anyOff ? line : line + " -";
}

// What differs between two recorded lines, named control by control.
inline std::string differenceOf(const std::string& recorded, const std::string& kept) {
  const auto offIn = [](const std::string& line, std::string_view name) {
    return (line + " ").find(" " + std::string(name) + " ") != std::string::npos;
  };
  std::string said;
  for (std::string_view name : RecordedControlNames) {
    const bool nowOff = offIn(recorded, name);
    if (nowOff != offIn(kept, name))
      said += std::string(name) + (nowOff ? " is off, kept on; " : " is on, kept off; ");
  }
  return said.empty() ? "another test function" : said;
}

class ControlRecording {
 public:
  // The one recording of this test executable.
  static ControlRecording& ofThisTest() {
    static ControlRecording recording;
    return recording;
  }

  // Records the window's controls now and after every change of them.
  void watch(MainWindow& form) {
    auto last = std::make_shared<std::optional<ControlStates>>();
    const auto take = [this, &form, last] {
      const ControlStates enabled = reachableControls(form);
      if (*last == enabled) return;
      *last = enabled;
      add(recordedLine(enabled));
    };
    take();
    QObject::connect(&form, &MainWindow::synced, &form, take);
  }

 private:
  ControlRecording()
      : path_(std::string(KVISTRA_CONTROLS_DIR) + "/" +
              QCoreApplication::applicationName().toStdString() + ".controls"),
        writing_(qEnvironmentVariableIsSet("KVISTRA_RECORD_CONTROLS")) {
    if (writing_) return;
    std::ifstream in(path_);
    for (std::string line; std::getline(in, line);)
      if (!line.empty() && line[0] != '#') kept_.push_back(line);
    qAddPostRoutine(&ControlRecording::checkNothingLeft);
  }

  void add(std::string line) {
    recorded_.push_back(std::move(line));
    if (writing_) return write();
    if (differed_) return;
    const std::size_t at = recorded_.size() - 1;
    const std::string kept = at < kept_.size() ? kept_[at] : "(nothing)";
    if (recorded_[at] == kept) return;
    differed_ = true;
    const std::string message = path_ + " line " + std::to_string(at + 1) +
                                ", the controls differ: " + differenceOf(recorded_[at], kept) +
                                "\n  recorded: " + recorded_[at] + "\n  kept:     " + kept;
    QTest::qFail(message.c_str(), __FILE__, __LINE__);
  }

  void write() const {
    std::ofstream out(path_);
    out << "# The controls that are off after each change of them, by test function.\n"
        << "# Written by running the test with KVISTRA_RECORD_CONTROLS=1.\n";
    for (const std::string& line : recorded_) out << line << "\n";
  }

  // Lines kept but never recorded: the walk ended with fewer changes of the controls.
  static void checkNothingLeft() {
    const ControlRecording& recording = ofThisTest();
    if (recording.differed_ || recording.recorded_.size() >= recording.kept_.size()) return;
    std::fprintf(stderr, "%s: the walk ended before line %zu: %s\n", recording.path_.c_str(),
                 recording.recorded_.size() + 1,
                 recording.kept_[recording.recorded_.size()].c_str());
    std::_Exit(EXIT_FAILURE);
  }

  std::string path_;
  bool writing_;
  bool differed_ = false;
  std::vector<std::string> kept_;
  std::vector<std::string> recorded_;
};

}  // namespace kvistra::ui::testing
