#include "cli/FindingsReport.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include "cli/Latin1.h"

namespace tarvel::cli {

namespace {

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string JsonText(const QJsonValue& value) {
    // A document holds an object; cut the value out of a one-entry object.
    QJsonObject holder{{QStringLiteral("v"), value}};
    QByteArray bytes = QJsonDocument(holder).toJson(QJsonDocument::Compact);
    return std::string(bytes.constData() + 5, static_cast<std::size_t>(bytes.size() - 6));
}

}  // namespace

std::string FindingsText(const std::string& file, const std::vector<Finding>& findings) {
    std::string text;
    for (const Finding& finding : findings)
        text += file + ':' + std::to_string(finding.line) + ": " +
                SeverityName(finding.severity()) + ": " + Utf8(finding.message) + " [" +
                finding.tag() + "]\n";
    return text;
}

std::string FindingsJson(const std::string& file, const std::vector<Finding>& findings) {
    auto errors = std::count_if(findings.begin(), findings.end(),
                                [](const Finding& f) { return f.severity() == Severity::Error; });
    std::string text = "{\"format\":\"tarvel-catalog-check\",\"version\":1,\"file\":" +
                       JsonText(QFile::decodeName(QByteArray::fromStdString(file))) +
                       ",\"errors\":" + std::to_string(errors) +
                       ",\"warnings\":" + std::to_string(findings.size() - errors) +
                       ",\"findings\":[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        QJsonObject object{
            {QStringLiteral("line"), static_cast<qint64>(finding.line)},
            {QStringLiteral("severity"), QLatin1String(SeverityName(finding.severity()))},
            {QStringLiteral("tag"), QLatin1String(finding.tag())},
            {QStringLiteral("message"), finding.message},
        };
        QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
        text += i == 0 ? "\n" : ",\n";
        text.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    text += findings.empty() ? "]}\n" : "\n]}\n";
    return text;
}

}  // namespace tarvel::cli
