#include "output/PictureExport.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "drawing/CountingTree.h"
#include "files/FileAccess.h"
#include "output/TreePicture.h"
#include "text/Windows1252.h"
#include "tree/Layout.h"

namespace kvistra {

namespace {

constexpr std::array<PictureFilter, 5> PictureFilters{{
    {"PNG-billede (*.png)", PictureFormat::Png, 1, ".png"},
    {"PNG-billede, dobbelt størrelse (*.png)", PictureFormat::Png, 2, ".png"},
    {"PNG-billede, firdobbelt størrelse (*.png)", PictureFormat::Png, 4, ".png"},
    {"SVG-tegning (*.svg)", PictureFormat::Svg, 1, ".svg"},
    {"PDF-dokument (*.pdf)", PictureFormat::Pdf, 1, ".pdf"},
}};

constexpr const char* PresetPictureName = "Kvistra.png";
constexpr const char* PictureTitle = "Eksporter billede";
// The working starts this far below the lowest leaf's line.
constexpr int WorkingGap = 30;

std::string lowerCaseExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string extension = path.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

// The tree file's name with the picture's extension, so a lesson's pictures stand beside it.
std::string presetName(const TreeState& state) {
  return nameBeside(state.file.path, ".png", PresetPictureName);
}

int lowestLeafLine(const TreeState& state) {
  const Tree& tree = state.tree;
  int lowest = 0;
  if (tree.depth() == 0) return lowest;
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    lowest = std::max(lowest, tree.branch(tree.outcome(k)).y);
  return lowest;
}

void savePicture(Context& context, const std::function<void(Canvas&)>& draw) {
  std::vector<SaveFileType> types;
  for (const PictureFilter& filter : PictureFilters)
    types.push_back({w1252(filter.caption), filter.extension + 1});
  const std::optional<SaveAsChoice> choice =
      context.host.chooseFileToSaveAs(PictureTitle, presetName(context.state), types);
  if (!choice) return;
  const PictureFile file = pictureFile(choice->path, choice->typeIndex);
  const std::optional<std::string> bytes =
      context.host.renderPicture(file.format, file.scale, draw);
  if (!bytes) {
    context.host.showMessage("Billedet kunne ikke laves.", " ");
    return;
  }
  if (!replaceFile(file.path, *bytes))
    context.host.showMessage(w1252("Billedet kunne ikke gemmes som ") +
                                 windows1252FromUtf8(file.path) +
                                 w1252(". Vælg en anden mappe eller et andet navn."),
                             " ");
}

}  // namespace

PictureFile pictureFile(const std::string& typedPath, std::size_t filterIndex) {
  const PictureFilter& chosen = PictureFilters[std::min(filterIndex, PictureFilters.size() - 1)];
  const std::string extension = lowerCaseExtension(typedPath);
  for (const PictureFilter& filter : PictureFilters)
    if (extension == filter.extension) {
      const int scale = filter.format == PictureFormat::Png && chosen.format == PictureFormat::Png
                            ? chosen.scale
                            : filter.scale;
      return {typedPath, filter.format, scale};
    }
  return {typedPath + chosen.extension, chosen.format, chosen.scale};
}

void drawExportedTree(const TreeState& state, Canvas& canvas, std::string_view resultLine,
                      const std::vector<std::string>& working, TextEncoding workingEncoding) {
  drawTreePicture(state, canvas, resultLine);
  canvas.setFont(Font{"Arial", TreePictureFontPixels, true, workingEncoding});
  const int lineHeight = canvas.textHeight("H");
  const std::optional<int> counted = countingTreeBottom(state, canvas, 0);
  int top = (counted ? *counted : lowestLeafLine(state)) + WorkingGap;
  for (const std::string& line : working) {
    canvas.textOut(PictureCaptionX, top, line);
    top += lineHeight;
  }
}

void exportTree(Context& context) {
  exportTree(context, "", {});
}

void exportTree(Context& context, std::string_view resultLine,
                const std::vector<std::string>& working, TextEncoding workingEncoding) {
  const TreeState& state = context.state;
  savePicture(context, [&](Canvas& canvas) {
    drawExportedTree(state, canvas, resultLine, working, workingEncoding);
  });
}

void copyCroppedTree(Context& context) {
  const TreeState& state = context.state;
  context.host.copyCroppedPicture([&](Canvas& canvas) { drawTreePicture(state, canvas, ""); });
}

}  // namespace kvistra
