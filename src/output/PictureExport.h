// Saving the tree as a picture file for slides and worksheets: PNG at one, two or four times the
// drawing's size, SVG or PDF, cut to what is drawn. The same drawing the clipboard gets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/Context.h"

namespace kvistra {

// One type the save dialog offers.
struct PictureFilter {
  const char* caption;
  PictureFormat format;
  int scale;
  const char* extension;
};

// The file the picture goes to and how it is made: the extension typed decides the type, and
// the chosen type's extension is added when none of the three is typed.
struct PictureFile {
  std::string path;
  PictureFormat format = PictureFormat::Png;
  int scale = 1;
};
PictureFile pictureFile(const std::string& typedPath, std::size_t filterIndex);

// "Eksporter billede…": the tree as the drawing shows it.
void exportTree(Context& context);

// From the approve box: the tree with the event's marks, the result line above it and its
// working, in its encoding, below it.
void exportTree(Context& context, std::string_view resultLine,
                const std::vector<std::string>& working,
                TextEncoding workingEncoding = TextEncoding::Windows1252);

// The exported drawing: the clipboard's picture of the tree, with the working below the tree.
void drawExportedTree(const TreeState& state, Canvas& canvas, std::string_view resultLine,
                      const std::vector<std::string>& working,
                      TextEncoding workingEncoding = TextEncoding::Windows1252);

// "Kopier træet (beskåret)": the clipboard's picture of the tree, cut to what is drawn.
void copyCroppedTree(Context& context);

}  // namespace kvistra
