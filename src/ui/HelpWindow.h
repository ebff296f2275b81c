#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace kvistra::ui {

// The program's guide: Danish help pages shipped inside the program, shown in a window of its
// own that stays open beside the main window while the user works.
class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the window at the contents page and brings it to the front.
  void showContents();

  // The address of the contents page, from which every page can be reached.
  static QUrl contentsPage();

  // The URL scheme by which a page shows a toolbar button's picture: <img
  // src="knap:enter-probabilities">.
  static QString buttonPictureScheme();

 private:
  QPushButton* addButton(const QString& caption);
  void matchModalityOfOpenDialog();

  QTextBrowser* browser_;
};

}  // namespace kvistra::ui
