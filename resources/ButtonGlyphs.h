#pragma once
// The small pictures of buttons and tool buttons, drawn in code so that no
// picture file has to ship with the program. Each glyph is drawn on a 16 x 16
// cell; the picture lists of TMenuDataModule are built from them.
#include <QImage>

class QPainter;

namespace q7res {

enum class Glyph {
  Document,   // a sheet of paper: the picture of buttons without a picture of their own
  Save,       // floppy disk
  Cancel,     // red cross
  Accept,     // green check mark
  Delete,     // red minus
  Exit,       // open door with an arrow leaving
  Print,      // printer
  Search,     // magnifying glass
  Edit,       // pencil
  Include,    // green plus
  First,      // bar and left triangle
  Last,       // right triangle and bar
  Up,         // arrow up
  Down,       // arrow down
  Refresh,    // circular arrow
  Help,       // question mark
  Calendar,   // calendar sheet
  Calculator, // calculator
  Folder,     // folder
  Key,        // key
  Info,       // "i" in a blue disc
  Previous,   // arrow left
  Next,       // arrow right
};

// Draws a glyph into the 16 x 16 cell whose top-left corner is at (x, y).
void DrawGlyph(QPainter &painter, Glyph glyph, int x, int y);

// A 16 x 16 picture of the glyph on a transparent background.
QImage GlyphImage(Glyph glyph);

// The picture as a disabled control shows it: grey, lighter, same shape.
QImage DisabledImage(const QImage &normal);

// The picture as a tool button under the mouse shows it: brighter colours.
QImage HighlightedImage(const QImage &normal);

// Two 16 x 16 pictures side by side in one 32 x 16 picture: normal on the
// left, disabled on the right.
QImage TwoGlyphStrip(const QImage &normal);

}  // namespace q7res
