#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

/// Catalog bytes as the form shows them: each byte is the character of the same code
/// (Latin-1), so every byte 0x00 to 0xFF shows and goes back unchanged.
QString FromCatalogBytes(std::string_view bytes);

/// The form's text as catalog bytes. Call only on text that FitsCatalog accepts.
std::string ToCatalogBytes(const QString& text);

/// The first character of `text` that 8-bit catalog text cannot hold, if any.
std::optional<QChar> CharacterBeyondCatalog(const QString& text);

/// The message that refuses such a character in the field named `field`.
QString CharacterRefusal(const QString& field, QChar character);

}  // namespace tarvel
