#include "framework/DialogUnits.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace tarvel {
namespace {

// Rounds a * b / c to nearest, for non-negative values.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>(product >= 0 ? (product + c / 2) / c : (product - c / 2) / c);
}

}  // namespace

QString MappedFontFamily(const QString& templateFamily) {
    if (templateFamily.compare(QStringLiteral("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (templateFamily.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    return templateFamily;
}

QFont TemplateFont(const QString& templateFamily, int pointSize) {
    QFont font(MappedFontFamily(templateFamily), pointSize);
    const bool serif = font.family() == QStringLiteral("Liberation Serif");
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    if (!QFontDatabase::hasFamily(font.family()))
        font.setFamily(serif ? QStringLiteral("serif") : QStringLiteral("sans-serif"));
    return font;
}

DialogUnits DialogUnits::ForFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits{(width + 26) / 52, metrics.height()};
}

int DialogUnits::toPixelsX(int units) const { return MulDiv(units, baseX, 4); }

int DialogUnits::toPixelsY(int units) const { return MulDiv(units, baseY, 8); }

QRect DialogUnits::toPixels(const QRect& units) const {
    return QRect(toPixelsX(units.x()), toPixelsY(units.y()), toPixelsX(units.width()),
                 toPixelsY(units.height()));
}

}  // namespace tarvel
