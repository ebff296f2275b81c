// Where a dialog goes while an event or a reduction is shown: where the class can still see what
// the dialog asks about.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace kvistra::ui {

// What a dialog leaves in view, in screen coordinates; an empty rectangle is nothing to keep.
struct ShownAreas {
  QRect note;    // the yellow note of the reduction
  QRect ink;     // the tree's ink, as far as it is in view
  QRect marked;  // the marked leaves and their values
};

// The top-left corner for a dialog whose frame would stand at preferred: there, or as near to it
// as the screen allows, when that covers none of areas; otherwise where it covers the least of the
// ink, never the marked leaves and, when it can, not the note.
QPoint placeClearOf(const QRect& preferred, const ShownAreas& areas, const QRect& screen);

// While an event or a reduction is shown on mainWindow's drawing, the class must see the tree it
// is about: moves dialog, whose frame would stand at preferred, as placeClearOf has it. False,
// with nothing moved, while neither is shown.
bool placeClearOfShownEvent(QWidget& dialog, const QRect& preferred, QWidget& mainWindow);

// A dialog's size with its frame; before it is first shown, with room for a title bar.
QSize frameSizeOf(const QWidget& dialog);

// The reduction note on the screen while it shows a reduction; empty otherwise.
QRect reductionNoteArea(const QWidget& mainWindow);

}  // namespace kvistra::ui
