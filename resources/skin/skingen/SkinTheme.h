#pragma once

#include <QColor>
#include <QString>

// The one dark theme of the skin. The code paints many colours itself; these are
// chosen around them.
namespace SkinTheme {
inline const QColor groundDeep(30, 30, 30);
inline const QColor groundWindow(43, 43, 43);
inline const QColor groundField(34, 34, 34);
inline const QColor groundPanel(51, 51, 51);
inline const QColor groundRaised(60, 60, 60);
inline const QColor line(74, 74, 74);
inline const QColor selectRow(105, 105, 105);
inline const QColor lightTop(228, 228, 228);
inline const QColor lightBottom(207, 207, 207);
inline const QColor accent(244, 229, 137);
inline const QColor accentDeep(232, 214, 112);
inline const QColor accentEdge(190, 170, 70);
inline const QColor accentHover(250, 240, 180);
inline const QColor accentPressed(214, 195, 95);
inline const QColor alert(194, 0, 0);
inline const QColor alertHover(226, 40, 40);
inline const QColor alertPressed(150, 0, 0);
inline const QColor disabled(120, 120, 120);
// Glyphs of disabled buttons: at least 3:1 on the panels they sit on, and still
// well below the normal glyph's light text.
inline const QColor disabledGlyph(150, 150, 150);
// The count tag of the buttons: the drawn tag and the tag picture share it, so a count
// looks the same on every button.
inline const QColor countTag(255, 120, 0);
// Disabled captions are painted in `disabled` by the code, so a disabled button must
// stay darker than its caption to keep it readable.
inline const QColor disabledFill(62, 62, 62);
// The editing forms paint every caption in (51, 51, 51), disabled ones too, so their
// disabled buttons stay light enough to read it.
inline const QColor disabledLightFill(140, 140, 140);
inline const QColor textOnDark(228, 228, 228);
inline const QColor textOnLight(55, 55, 55);

// A theme name ("accent", "field", ...) or "r,g,b"; invalid when neither.
QColor named(const QString &name);
}
