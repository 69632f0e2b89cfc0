#include "form/CatalogText.h"

namespace tarvel {

QString FromCatalogBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToCatalogBytes(const QString& text) {
    QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<QChar> CharacterBeyondCatalog(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return c;
    return std::nullopt;
}

QString CharacterRefusal(const QString& field, QChar character) {
    // A surrogate half cannot be shown alone; name the character by its code instead.
    QString shown = character.isSurrogate()
                        ? QStringLiteral("U+%1").arg(character.unicode(), 4, 16, QLatin1Char('0'))
                        : QStringLiteral("\"%1\"").arg(character);
    return QStringLiteral("%1 holds the character %2, which a catalog cannot hold. "
                          "The record was not saved.")
        .arg(field, shown);
}

}  // namespace tarvel
