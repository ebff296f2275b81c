#include "ui/ToolbarIcons.h"

#include <QCoreApplication>
#include <QFont>
#include <QIconEngine>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <functional>
#include <span>

#include "ui/Resources.h"

namespace kvistra::ui {
namespace {

// Every picture is drawn on a 24 x 24 grid and scaled, so the sizes differ only in sharpness.
constexpr qreal gridSize = 24.0;
// The toolbar's pictures, for ordinary and for doubled screens.
constexpr int ToolbarPictureSizes[] = {24, 48};
// The sizes of the program's icon embedded in the program (assets/kvistra.qrc).
constexpr int ProgramIconSizes[] = {16, 24, 32, 48, 64};

const QColor ink(0x2b, 0x2f, 0x36);
const QColor paper(0xff, 0xff, 0xff);
const QColor blue(0x1f, 0x5f, 0xa8);
const QColor paleBlue(0xdc, 0xe8, 0xf7);
const QColor green(0x2e, 0x7d, 0x32);
const QColor red(0xc6, 0x28, 0x28);
const QColor faded(0x9a, 0xa3, 0xad);
const QColor lineGrey(0x8a, 0x93, 0x9e);

using Drawing = void (*)(QPainter&);

QPen pen(const QColor& colour, qreal width = 1.0, Qt::PenStyle style = Qt::SolidLine) {
  return QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
}

QFont pictureFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void drawArrowHead(QPainter& painter, QPointF tip, qreal towardsDegrees, const QColor& colour) {
  const qreal angle = qDegreesToRadians(towardsDegrees);
  const QPointF back(std::cos(angle), std::sin(angle));
  const QPointF side(-back.y(), back.x());
  const QPolygonF head{tip, tip - back * 4.5 + side * 3.0, tip - back * 4.5 - side * 3.0};
  painter.setPen(pen(colour, 1.0));
  painter.setBrush(colour);
  painter.drawPolygon(head);
}

void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
  const QLineF line(from, to);
  painter.setPen(pen(colour, 2.0));
  painter.drawLine(QLineF(from, line.pointAt(1.0 - 3.5 / line.length())));
  drawArrowHead(painter, to, -line.angle(), colour);
}

void drawNumberBox(QPainter& painter, const QRectF& box, const QColor& fill) {
  painter.setPen(pen(ink));
  painter.setBrush(fill);
  painter.drawRoundedRect(box, 1.5, 1.5);
  painter.setFont(pictureFont(11, true));
  painter.drawText(box, Qt::AlignCenter, QStringLiteral("½"));
}

void drawSheet(QPainter& painter, const QRectF& sheet) {
  painter.setPen(pen(ink));
  painter.setBrush(paper);
  painter.drawRect(sheet);
}

void drawTextLines(QPainter& painter, qreal left, qreal right, qreal top, int count) {
  painter.setPen(pen(lineGrey));
  for (int i = 0; i < count; ++i) {
    const qreal y = top + i * 3.0;
    painter.drawLine(QPointF(left, y), QPointF(right, y));
  }
}

// The small tree shared by several pictures: a root, two branches, two more on each.
enum Branch { toUpper, toLower, upperToFirst, upperToSecond, lowerToThird, lowerToFourth };

std::array<QLineF, 6> treeBranches() {
  const QPointF root(2.5, 12.0), upper(11.5, 6.0), lower(11.5, 18.0);
  return {QLineF(root, upper),
          QLineF(root, lower),
          QLineF(upper, QPointF(21.5, 1.5)),
          QLineF(upper, QPointF(21.5, 10.0)),
          QLineF(lower, QPointF(21.5, 14.0)),
          QLineF(lower, QPointF(21.5, 22.5))};
}

void drawTreeBranches(QPainter& painter, std::initializer_list<Branch> branches,
                      const QPen& style) {
  const auto lines = treeBranches();
  painter.setPen(style);
  for (Branch branch : branches) painter.drawLine(lines[branch]);
}

void drawDot(QPainter& painter, QPointF centre, const QColor& colour, qreal radius) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(centre, radius, radius);
}

void drawWholeTree(QPainter& painter, const QColor& colour, qreal width) {
  drawTreeBranches(painter,
                   {toUpper, toLower, upperToFirst, upperToSecond, lowerToThird, lowerToFourth},
                   pen(colour, width));
  const auto lines = treeBranches();
  for (Branch branch : {toUpper, toLower}) {
    drawDot(painter, lines[branch].p1(), colour, width);
    drawDot(painter, lines[branch].p2(), colour, width);
  }
}

// CopyAcrossButton: copy a group's numbers across to the next branching.
void drawCopyAcross(QPainter& painter) {
  drawNumberBox(painter, QRectF(0.5, 1.5, 10, 11), paper);
  drawNumberBox(painter, QRectF(13.5, 1.5, 10, 11), paleBlue);
  drawArrow(painter, QPointF(1.5, 18.5), QPointF(22.5, 18.5), blue);
}

// CopyDownButton: copy a group's numbers down to the group below.
void drawCopyDown(QPainter& painter) {
  drawNumberBox(painter, QRectF(0.5, 0.5, 11, 10), paper);
  drawNumberBox(painter, QRectF(0.5, 13.5, 11, 10), paleBlue);
  drawArrow(painter, QPointF(18.5, 1.5), QPointF(18.5, 22.5), blue);
}

// EnterProbabilitiesButton: type a probability, a pencil writing a fraction.
void drawEnterProbabilities(QPainter& painter) {
  painter.setPen(blue);
  painter.setFont(pictureFont(12, true));
  painter.drawText(QRectF(0, 0, 12, 12), Qt::AlignCenter, QStringLiteral("½"));
  painter.save();
  painter.translate(5.5, 21.5);
  painter.rotate(-45);
  painter.setPen(pen(ink, 0.9));
  painter.setBrush(QColor(0xf0, 0xd2, 0xa8));
  painter.drawPolygon(QPolygonF{QPointF(0, 0), QPointF(5, -2.6), QPointF(5, 2.6)});
  painter.setBrush(ink);
  painter.drawPolygon(QPolygonF{QPointF(0, 0), QPointF(1.8, -0.9), QPointF(1.8, 0.9)});
  painter.setBrush(QColor(0xf2, 0xb7, 0x05));
  painter.drawRect(QRectF(5, -2.6, 11, 5.2));
  painter.setBrush(QColor(0xe5, 0x73, 0x73));
  painter.drawRoundedRect(QRectF(16, -2.6, 3.5, 5.2), 1, 1);
  painter.restore();
}

// EventButton: an event, one path of the tree marked.
void drawEvent(QPainter& painter) {
  drawTreeBranches(painter, {toLower, upperToFirst, lowerToThird, lowerToFourth}, pen(faded, 1.5));
  drawTreeBranches(painter, {toUpper, upperToSecond}, pen(red, 2.6));
  drawDot(painter, treeBranches()[upperToSecond].p2(), red, 2.0);
}

// ReduceButton: reduce the tree, the removed branches dashed as in the reduced drawing.
void drawReduce(QPainter& painter) {
  drawTreeBranches(painter, {toLower, lowerToThird, lowerToFourth}, pen(faded, 1.5, Qt::DashLine));
  drawTreeBranches(painter, {toUpper, upperToFirst, upperToSecond}, pen(green, 2.2));
}

// RestoreButton: restore the whole tree, an arrow turning back over it.
void drawRestore(QPainter& painter) {
  painter.save();
  painter.translate(8.0, 9.5);
  painter.scale(0.62, 0.62);
  drawWholeTree(painter, green, 2.2);
  painter.restore();
  QPainterPath turn;
  turn.moveTo(20.5, 8.5);
  turn.cubicTo(19, 0.5, 6, 0, 3.5, 10);
  painter.setPen(pen(blue, 2.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(turn);
  drawArrowHead(painter, QPointF(3.2, 14.5), 95, blue);
}

// ClearResultsButton: clear the results list.
void drawClearList(QPainter& painter) {
  drawSheet(painter, QRectF(2.5, 1.5, 15, 20));
  drawTextLines(painter, 5, 15, 5.5, 5);
  painter.setPen(pen(red, 2.6));
  painter.drawLine(QPointF(13, 13), QPointF(21.5, 21.5));
  painter.drawLine(QPointF(21.5, 13), QPointF(13, 21.5));
}

// PrintButton: print.
void drawPrinter(QPainter& painter) {
  drawSheet(painter, QRectF(6.5, 1.5, 11, 8));
  painter.setPen(pen(ink));
  painter.setBrush(QColor(0x78, 0x84, 0x90));
  painter.drawRoundedRect(QRectF(1.5, 8.5, 21, 9), 2, 2);
  painter.setBrush(QColor(0x4e, 0x57, 0x61));
  painter.drawRect(QRectF(5.5, 13.5, 13, 2));
  drawSheet(painter, QRectF(6.5, 14.5, 11, 8));
  drawTextLines(painter, 8.5, 15.5, 17.5, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x6c, 0xe0, 0x6c));
  painter.drawEllipse(QPointF(19, 11.5), 1.1, 1.1);
}

// PrintHeadingButton: a heading for the printout.
void drawHeading(QPainter& painter) {
  drawSheet(painter, QRectF(3.5, 1.5, 17, 21));
  painter.setPen(blue);
  painter.setFont(pictureFont(11, true));
  painter.drawText(QRectF(3.5, 1.5, 17, 10), Qt::AlignCenter, QStringLiteral("T"));
  drawTextLines(painter, 6.5, 17.5, 13.5, 3);
}

// CopyMenuButton: copy to the clipboard.
void drawClipboard(QPainter& painter) {
  painter.setPen(pen(ink));
  painter.setBrush(QColor(0xb0, 0x6a, 0x38));
  painter.drawRoundedRect(QRectF(3.5, 3.5, 17, 20), 2, 2);
  drawSheet(painter, QRectF(6, 6.5, 12, 15));
  drawTextLines(painter, 8, 16, 10.5, 4);
  painter.setPen(pen(ink));
  painter.setBrush(QColor(0xc8, 0xcd, 0xd3));
  painter.drawRoundedRect(QRectF(8.5, 1.5, 7, 4), 1.2, 1.2);
}

// The approve box's "Godkend og luk": a check mark.
void drawApprove(QPainter& painter) {
  painter.setPen(pen(green, 3.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(QPolygonF{QPointF(3.5, 12.5), QPointF(9.5, 19), QPointF(20.5, 4.5)});
}

// The approve box's "Fortryd denne hændelse": a cross.
void drawDrop(QPainter& painter) {
  painter.setPen(pen(red, 3.2));
  painter.drawLine(QPointF(5, 5), QPointF(19, 19));
  painter.drawLine(QPointF(19, 5), QPointF(5, 19));
}

QPixmap render(Drawing draw, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  painter.scale(size / gridSize, size / gridSize);
  draw(painter);
  painter.end();
  return QPixmap::fromImage(image);
}

QIcon iconAt(Drawing draw, std::span<const int> sizes) {
  QIcon icon;
  for (int size : sizes) icon.addPixmap(render(draw, size));
  return icon;
}

// An icon whose pictures are made the first time one is asked for. The toolbar is hidden at
// start and many runs never show it, and the program's icon is asked for only by a window
// system that shows it and by the about box: making the pictures up front would often be work
// for nothing. Once made, they behave exactly as an icon made of them: the disabled look, for
// one, is generated from them the same way.
class MadeOnFirstUse final : public QIconEngine {
 public:
  MadeOnFirstUse(std::function<QIcon()> make, std::span<const int> sizes)
      : make_(std::move(make)), sizes_(sizes) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    made().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made().pixmap(size, 1.0, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int size : sizes_) sizes.append(QSize(size, size));
    return sizes;
  }
  QIconEngine* clone() const override { return new MadeOnFirstUse(*this); }
  QString key() const override { return QStringLiteral("MadeOnFirstUse"); }

 private:
  const QIcon& made() {
    if (made_.isNull()) made_ = make_();
    return made_;
  }

  std::function<QIcon()> make_;
  std::span<const int> sizes_;
  QIcon made_;
};

QIcon drawnOnFirstUse(Drawing draw) {
  return QIcon(new MadeOnFirstUse([draw] { return iconAt(draw, ToolbarPictureSizes); },
                                  ToolbarPictureSizes));
}

struct ToolbarDrawing {
  Control button;
  const char* name;
  Drawing draw;
};

constexpr ToolbarDrawing ToolbarDrawings[] = {
    {Control::CopyAcrossButton, "copy-across", drawCopyAcross},
    {Control::CopyDownButton, "copy-down", drawCopyDown},
    {Control::EnterProbabilitiesButton, "enter-probabilities", drawEnterProbabilities},
    {Control::EventButton, "event", drawEvent},
    {Control::ReduceButton, "reduce", drawReduce},
    {Control::RestoreButton, "restore", drawRestore},
    {Control::ClearResultsButton, "clear-results", drawClearList},
    {Control::PrintButton, "print", drawPrinter},
    {Control::PrintHeadingButton, "print-heading", drawHeading},
    {Control::CopyMenuButton, "copy-menu", drawClipboard},
};

// Pictures of buttons outside the toolbar, by the names the help pages use.
struct NamedDrawing {
  const char* name;
  Drawing draw;
};

constexpr NamedDrawing OtherButtonDrawings[] = {
    {"approve", drawApprove},
    {"drop", drawDrop},
};

QIcon programIconFromFiles() {
  ensureResources();
  QIcon icon;
  for (int size : ProgramIconSizes)
    icon.addFile(QStringLiteral(":/icons/kvistra-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace

QIcon toolbarIcon(Control button) {
  for (const auto& entry : ToolbarDrawings)
    if (entry.button == button) return drawnOnFirstUse(entry.draw);
  return QIcon();
}

QIcon toolbarIcon(const QString& name) {
  for (const auto& entry : ToolbarDrawings)
    if (name == QLatin1String(entry.name)) return drawnOnFirstUse(entry.draw);
  for (const auto& entry : OtherButtonDrawings)
    if (name == QLatin1String(entry.name)) return drawnOnFirstUse(entry.draw);
  return QIcon();
}

QIcon programIcon() {
  // One icon for the whole run, shared by the window and the about box. The window system is
  // handed every size it has, those a window's frame and task bar use; the desktop's menus and
  // larger views take the installed icon files.
  static QIcon icon;
  if (icon.isNull()) {
    icon = QIcon(new MadeOnFirstUse(programIconFromFiles, ProgramIconSizes));
    // Its pictures go with the application, not after it.
    qAddPostRoutine([] { icon = QIcon(); });
  }
  return icon;
}

}  // namespace kvistra::ui
