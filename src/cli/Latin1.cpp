#include "cli/Latin1.h"

namespace tarvel::cli {

QString FromCatalogBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<NonLatin1Character> FindNonLatin1(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c.unicode() <= 0xFF)
            continue;
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(c, text[i + 1]);
        return NonLatin1Character{i, codePoint};
    }
    return std::nullopt;
}

std::string ToCatalogBytes(const QString& text) {
    QByteArray bytes = text.toLatin1();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

namespace {
QString Hex(uint value, int width) {
    return QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}
}  // namespace

QString DescribeCharacter(char32_t codePoint) {
    QString shown = QChar::isSurrogate(codePoint) ? QStringLiteral("?")
                                                  : QString::fromUcs4(&codePoint, 1);
    return QStringLiteral("\"%1\" (U+%2)").arg(shown, Hex(codePoint, 4));
}

QString DisplayText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) {
        auto value = static_cast<unsigned char>(byte);
        if (value < 0x20 || (value >= 0x7F && value <= 0x9F))
            text += QStringLiteral("\\x") + Hex(value, 2);
        else
            text += QChar(value);
    }
    return text;
}

std::string Utf8(const QString& text) {
    QByteArray bytes = text.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace tarvel::cli
