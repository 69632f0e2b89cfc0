#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace tarvel {

/// The family that stands in for a template font on this system: "Times New Roman"
/// becomes "Liberation Serif" and "MS Sans Serif" "Liberation Sans"; others are kept.
QString MappedFontFamily(const QString& templateFamily);

/// The font of a template: the mapped family at `pointSize`, with a generic serif or
/// sans-serif fallback when the family is not installed.
QFont TemplateFont(const QString& templateFamily, int pointSize);

/// Pixels per dialog unit of one font: a dialog unit is a quarter of the average
/// character width across and an eighth of the character height down.
struct DialogUnits {
    int baseX = 0;  ///< average width of "A".."Z", "a".."z", rounded
    int baseY = 0;  ///< character height

    /// The base units of `font`.
    static DialogUnits ForFont(const QFont& font);

    /// Horizontal and vertical dialog units in pixels, rounded to nearest.
    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    /// A rectangle in dialog units in pixels.
    QRect toPixels(const QRect& units) const;
};

}  // namespace tarvel
