// Benchmarks that need the real windows: drawing a full tree on an off-screen picture, and the
// time from creating the main window to its first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include "construction/Construction.h"
#include "drawing/TreeDrawing.h"
#include "host/Host.h"
#include "output/PictureExport.h"
#include "probabilities/BranchKeys.h"
#include "session/Session.h"
#include "support/TreeShapes.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"
#include "ui/PictureRendering.h"
#include "ui/QtCanvas.h"
#include "ui/Resources.h"

namespace {

using namespace kvistra;

// A host whose drawing goes to an off-screen picture and which never asks anything.
class PictureHost : public Host {
 public:
  explicit PictureHost(QImage& picture)
      : painter_(&picture), canvas_(painter_, picture.size(), false) {}
  void drawOnScreen(const std::function<void(Canvas&)>& draw) override { draw(canvas_); }
  Canvas& canvas() { return canvas_; }
  void repaintDrawing() override {}
  PromptReply showPrompt(const std::string&, ToolMode) override { return {}; }
  bool showYesNo(const std::string&, const std::string&, YesNoWidth) override { return false; }
  ProbabilityReply showProbabilityDialog(const std::string&) override { return {"", true}; }
  void showMessage(const std::string&, const std::string&) override {}
  ApproveChoice showApproveBox(const std::string&, int, const ApproveBoxActions&) override {
    return ApproveChoice::Drop;
  }
  void showResultLine(const std::string&) override {}
  PictureSize drawingSize() override { return {canvas_.width(), canvas_.height()}; }
  void copyPicture(int, int, const std::function<void(Canvas&)>&) override {}
  void copyCroppedPicture(const std::function<void(Canvas&)>&) override {}
  std::optional<std::string> renderPicture(PictureFormat, int,
                                           const std::function<void(Canvas&)>&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseFileToSave(const std::string&, const std::string&,
                                              bool) override {
    return std::nullopt;
  }
  std::optional<BranchNameFields> showBranchNamesDialog(const LabelRows&) override {
    return std::nullopt;
  }
  bool outputPages(PageOutput, int, const PageDrawing&) override { return false; }
  std::string pagesAsPdf(int, const PageDrawing&) override { return {}; }
  std::optional<WorksheetRequest> showWorksheetDialog(const WorksheetOffer&) override {
    return std::nullopt;
  }
  std::optional<SaveAsChoice> chooseFileToSaveAs(const std::string&, const std::string&,
                                                 const std::vector<SaveFileType>&) override {
    return std::nullopt;
  }
  PrintHeadingReply showPrintHeadingDialog() override { return {}; }
  void copyText(const std::vector<std::string>&, const Font&) override {}
  SaveChangesChoice askToSaveChanges() override { return SaveChangesChoice::Cancel; }
  bool askToReplaceFile(const std::string&, bool) override { return false; }
  std::optional<int> chooseFirstBranching(const std::vector<std::string>&) override { return {}; }
  std::optional<SimulationChoice> chooseSimulation(const SimulationChoice&) override { return {}; }
  std::optional<int> askCount(const CountQuestion&) override { return {}; }
  std::optional<RepeatedTrials> askRepeatedTrials(const RepeatedTrials&) override { return {}; }
  VariableReply showVariableDialog(const VariableForm&) override { return {}; }
  TreeFileVariableChoice askToSaveAsDocument(const std::string&) override {
    return TreeFileVariableChoice::Cancel;
  }

 private:
  QPainter painter_;
  ui::QtCanvas canvas_;
};

// The 27-leaf tree of a third on every branch, complete, drawn on an off-screen picture.
struct Tree27OnPicture {
  QImage picture{1000, 700, QImage::Format_RGB32};
  PictureHost host{picture};
  TreeState state;
  WindowState window;
  Context context{state, window, host};

  Tree27OnPicture() {
    state.textLift = 16;
    beginTree(context, 3);
    for (int b : {3, 3, 3}) addBranching(context, b);
    for (int level = 1; level <= 3; ++level)
      for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot) {
        state.tree.branch(level, slot).probability = 1.0 / 3.0;
        state.tree.branch(level, slot).probabilityEntered = true;
      }
  }
};

void DrawTree27Leaves(benchmark::State& run) {
  Tree27OnPicture tree;
  for (auto _ : run) drawTree(tree.state, tree.host.canvas(), ScreenOffsetX);
  run.SetItemsProcessed(run.iterations() * 27);
}
BENCHMARK(DrawTree27Leaves)->Unit(benchmark::kMicrosecond);

// The part of the 27-leaf tree a 1070 x 700 drawing area shows at 400 %, painted anew from the
// kept drawing: what every scroll or zoom step costs.
void RedrawTree27LeavesAt400(benchmark::State& run) {
  Tree27OnPicture tree;
  ui::DrawingArea area;
  area.resize(1070, 700);
  area.draw([&](Canvas& canvas) { drawTree(tree.state, canvas, ScreenOffsetX); });
  area.setZoom(4.0);
  for (auto _ : run) benchmark::DoNotOptimize(area.picture());
}
BENCHMARK(RedrawTree27LeavesAt400)->Unit(benchmark::kMicrosecond);

// An arrow key on the 27-leaf tree: the focus moved, every branch read anew for the
// accessibility tree and the focus mark placed, as the window does after each key.
void MoveFocus27Leaves(benchmark::State& run) {
  Tree27OnPicture tree;
  tree.state.tree.complete = true;
  ui::DrawingArea area;
  area.resize(1070, 700);
  const BranchKey keys[] = {BranchKey::Down, BranchKey::Right, BranchKey::Up, BranchKey::Left};
  std::size_t step = 0;
  for (auto _ : run) {
    branchKeyPressed(tree.context, keys[step++ % 4]);
    std::vector<DrawingReading> readings;
    area.measure([&](Canvas& canvas) { readings = drawingReadings(tree.state, canvas); });
    area.showReadings(std::move(readings), static_cast<int>(step % 27));
  }
}
BENCHMARK(MoveFocus27Leaves)->Unit(benchmark::kMicrosecond);

// "Eksporter billede…" of the 27-leaf tree: measured, cut and written as SVG or PDF bytes.
void ExportTree27Leaves(benchmark::State& run, PictureFormat format) {
  Tree27OnPicture tree;
  const auto draw = [&](Canvas& canvas) { drawExportedTree(tree.state, canvas, "", {}); };
  for (auto _ : run) benchmark::DoNotOptimize(ui::pictureFileBytes(format, 1, draw));
}
BENCHMARK_CAPTURE(ExportTree27Leaves, Svg, PictureFormat::Svg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportTree27Leaves, Pdf, PictureFormat::Pdf)->Unit(benchmark::kMillisecond);

// One undo and one redo of a step that changes the decimals, through the session with its redraw.
void undoAndRedo(benchmark::State& run, TreeState& state, const WindowState& window, Host& host) {
  Session session(state);
  session.window() = window;
  session.run(
      "Antal decimaler", [](Context& c) { c.state.tree.decimalCount = 2; }, host);
  for (auto _ : run) {
    session.undo(host);
    session.redo(host);
  }
  run.SetItemsProcessed(run.iterations() * 2);
}

// One undo and one redo, through the session, of a step of the 27-leaf tree with a full results
// list and every name row: the step taken, the restore and the redraw, twice.
void UndoStep27Leaves(benchmark::State& run) {
  Tree27OnPicture tree;
  TreeState& state = tree.state;
  state.results.count = MaxResults;
  for (int i = 1; i <= MaxResults; ++i)
    state.results.rows[i] = {"(A1,B2)-C3,A2B1C" + std::to_string(i % 3 + 1), "0.1234"};
  state.labels.count = MaxLabelRows;
  for (int i = 1; i <= MaxLabelRows; ++i)
    state.labels.rows[i] = {"A1", "R1", "Den første kugle er rød, den anden er blå"};
  undoAndRedo(run, state, tree.window, tree.host);
}
BENCHMARK(UndoStep27Leaves)->Unit(benchmark::kMicrosecond);

// The 64 outcomes of six branchings of two (126 branches), opened from its document and drawn on
// an off-screen picture tall enough for all of it.
struct Tree64OnPicture {
  QImage picture{1000, 1200, QImage::Format_RGB32};
  PictureHost host{picture};
  TreeState state;
  WindowState window;
  Context context{state, window, host};

  Tree64OnPicture() {
    state.textLift = 16;
    opened = testing::openShape(context, testing::evenShape("1/3,2/3", 6));
  }
  bool opened = false;
};

void DrawTree64Outcomes(benchmark::State& run) {
  Tree64OnPicture tree;
  if (!tree.opened) return run.SkipWithError("the tree was not opened");
  for (auto _ : run) drawTree(tree.state, tree.host.canvas(), ScreenOffsetX);
  run.SetItemsProcessed(run.iterations() * 64);
}
BENCHMARK(DrawTree64Outcomes)->Unit(benchmark::kMicrosecond);

// One undo and one redo of a step of the 64-outcome tree, through the session with its redraw.
void UndoStep64Outcomes(benchmark::State& run) {
  Tree64OnPicture tree;
  if (!tree.opened) return run.SkipWithError("the tree was not opened");
  undoAndRedo(run, tree.state, tree.window, tree.host);
}
BENCHMARK(UndoStep64Outcomes)->Unit(benchmark::kMicrosecond);

// From creating the main window to the end of the drawing area's first paint.
void StartupToFirstPaint(benchmark::State& run) {
  for (auto _ : run) {
    TreeState state;
    ui::MainWindow form(state);
    bool painted = false;
    form.findChild<ui::DrawingArea*>("drawingArea")->setPaintHandler([&painted](Canvas&) {
      painted = true;
    });
    form.show();
    QElapsedTimer limit;
    limit.start();
    while (!painted && limit.elapsed() < 5000) QApplication::processEvents();
    if (!painted) run.SkipWithError("the drawing area was never painted");
  }
}
BENCHMARK(StartupToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  ui::ensureResources();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
