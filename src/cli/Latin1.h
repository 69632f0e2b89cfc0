#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tarvel::cli {

/// Catalog bytes as text: each byte 0x00-0xFF is the character U+0000-U+00FF.
QString FromCatalogBytes(std::string_view bytes);

/// A character that a catalog cannot hold, and where it is.
struct NonLatin1Character {
    qsizetype index = 0;  ///< position in the QString
    char32_t codePoint = 0;
};

/// The first character of `text` above U+00FF, or nullopt when every character fits a byte.
std::optional<NonLatin1Character> FindNonLatin1(const QString& text);

/// `text` as catalog bytes; call FindNonLatin1 first, characters above U+00FF become "?".
std::string ToCatalogBytes(const QString& text);

/// Describes a character for a message: `"€" (U+20AC)`.
QString DescribeCharacter(char32_t codePoint);

/// Catalog bytes made safe to show on a terminal: Latin-1 text with control characters
/// (0x00-0x1F, 0x7F-0x9F) shown as \xNN.
QString DisplayText(std::string_view bytes);

/// A QString as UTF-8 bytes for output.
std::string Utf8(const QString& text);

}  // namespace tarvel::cli
