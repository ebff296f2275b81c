// The illness test in counts of 10 000 people and simulated: a refused number of trials, a run
// at a fixed seed shown beside the leaves and in the approve box, a run again that adds to it,
// and a reduction that takes the simulation away.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "chance/Simulation.h"
#include "drawing/TreeDrawing.h"

using namespace kvistra;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

namespace {

DialogStep simulation(const QString& trials, const QString& seed) {
  return {"simulationDialog", [trials, seed](QDialog* d) {
            if (!trials.isEmpty()) child<QComboBox>(*d, "trialsField")->setCurrentText(trials);
            child<QLineEdit>(*d, "seedField")->setText(seed);
            QTest::keyClick(child<QComboBox>(*d, "trialsField")->lineEdit(), Qt::Key_Return);
            return d->isVisible() ? (d->reject(), QString("Enter left it open")) : QString();
          }};
}

// The outcome's count after trials drawn from the seed, as the engine counts it.
std::int64_t engineCount(const TreeState& state, std::int64_t trials, std::size_t outcome) {
  Simulation run(outcomeProbabilities(state.tree), 2024);
  run.run(trials);
  return run.counts()[outcome];
}

}  // namespace

class SimulationWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void simulatesTheIllnessTestBesideItsCounts() {
    form->action(NewTwoBranchingTree)->trigger();
    for (int branching = 1; branching <= 2; ++branching)
      QTest::mouseClick(form->button(branchCountButton(2)), Qt::LeftButton);
    playScript({typeProbability("0.01")}, [&] { form->action(SetFirstProbabilities)->trigger(); });
    for (const char* typed : {"0.9", "0.09"})
      playScript({typeProbability(typed)}, [&] { form->action(EnterProbabilities)->trigger(); });
    form->findChild<QAction*>("naturalFrequenciesAction")->trigger();

    QString faults = playScript(
        {simulation("2 000 000", "2024"),
         {"message",
          [](QDialog* d) {
            const QString text = static_cast<QMessageBox*>(d)->text();
            d->accept();
            return mismatch("message", text, "Skriv et helt antal forsøg fra 1 til 1 000 000.");
          }},
         simulation("10 000", "2024")},
        [&] { form->findChild<QAction*>("simulateAction")->trigger(); });
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    const std::int64_t ill = engineCount(*state, 10000, 0);
    QVERIFY2(
        leafLabel(*state, 1).ends_with(std::to_string(ill) + " (0.00" + std::to_string(ill) + ")"),
        leafLabel(*state, 1).c_str());

    const QString simulated = QString("Simuleret: %1 af 10 000 = 0.00%1").arg(ill);
    faults = playScript({answerPrompt("Hændelse ?  ", "A1A2"),
                         {"approveResultDialog",
                          [&](QDialog* d) {
                            const QString working = d->findChild<QPlainTextEdit*>()->toPlainText();
                            d->reject();
                            return working.contains("I antal: 90 ud af 10 000") &&
                                           working.contains(simulated)
                                       ? QString()
                                       : working;
                          }}},
                        [&] { form->action(AskEvent)->trigger(); });
    QVERIFY2(faults.isEmpty(), qPrintable(faults));

    form->findChild<QAction*>("simulateAgainAction")->trigger();
    QCOMPARE(state->simulation->trials, 20000);
    QCOMPARE(state->simulation->counts[1], engineCount(*state, 20000, 0));
    playScript({simulation("", "2024")}, [&] { form->action(Simulate)->trigger(); });
    QCOMPARE(state->simulation->trials, 10000);

    playScript({answerPrompt("Reduktionshændelse ?  ", "A1")},
               [&] { form->action(ReduceTree)->trigger(); });
    QVERIFY(!state->simulation);
  }
};

QTEST_MAIN(SimulationWindowTest)
#include "SimulationWindowTest.moc"
