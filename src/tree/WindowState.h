// What the main window shows, as plain data. Commands change it at the end of each operation;
// the window copies it onto its widgets in one place.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

namespace kvistra {

// Every command that can be enabled or disabled: menu items, toolbar and branch-count buttons.
enum class Command {
  Hent1,
  Gem1,
  Udskriv,
  Afslut1,
  KopiertegningentilKlippebordet1,
  Tegntret1,
  N2forgreninger1,
  N3forgreninger1,
  Klargrtr1,
  Stchancerp1,
  Kopiersandsynligheder1,
  Kopiersandsynligheder2,
  Indtastsandsynligheder1,
  Rettalvrdi1,
  Nytnavnpgren1,
  Antaldecimaler1,
  Rensskema1,
  Udskiftnavnpheletret1,
  Beregninger1,
  Hndelser1,
  Reducrtr1,
  Gendantr1,
  Hjlp1,
  Vejledning1,
  Omprogrammet1,
  SpeedButton1,
  SpeedButton2,
  SpeedButton3,
  SpeedButton4,
  SpeedButton5,
  SpeedButton6,
  SpeedButton7,
  SpeedButton8,
  SpeedButton9,
  SpeedButton10,
  f2,
  f3,
  f4,
  f5,
  f6,
  Count
};

inline constexpr int FewestBranches = 2;
inline constexpr int MostBranches = 6;

// The branch-count button "2" … "6" for a number of branches.
constexpr Command branchCountButton(int branches) {
  return static_cast<Command>(static_cast<int>(Command::f2) + branches - FewestBranches);
}

struct CommandChange {
  Command command;
  bool enabled;
};

struct WindowState {
  std::string caption = "   Kvistra";
  std::array<bool, static_cast<std::size_t>(Command::Count)> enabled = allEnabled();

  bool panel1Visible = true;   // toolbar
  bool panel2Visible = true;   // left pane
  bool panel3Visible = true;   // branch names and texts
  bool panel5Visible = false;  // branch-count bar
  bool image1Visible = true;   // start picture

  std::string label1Caption;            // branch-count bar
  std::vector<std::string> memo2Lines;  // results list
  std::vector<std::string> memo3Lines;  // branch names and texts

  // Reduction note below the left pane.
  bool panel6Yellow = false;
  std::string label2Caption;
  std::string label3Caption;

  bool isEnabled(Command c) const { return enabled[static_cast<std::size_t>(c)]; }
  void setEnabled(Command c, bool on) { enabled[static_cast<std::size_t>(c)] = on; }
  void apply(std::span<const CommandChange> changes) {
    for (const auto& change : changes) setEnabled(change.command, change.enabled);
  }

 private:
  static constexpr std::array<bool, static_cast<std::size_t>(Command::Count)> allEnabled() {
    std::array<bool, static_cast<std::size_t>(Command::Count)> all{};
    all.fill(true);
    return all;
  }
};

}  // namespace kvistra
