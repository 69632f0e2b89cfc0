#pragma once

#include <fstream>
#include <string>
#include <string_view>

#include "AppenderRecord.h"
#include "catalog/CatalogReader.h"

namespace tarvel::reliability {

/// Walks the lines of a catalog that appenders wrote and checks that each is a whole
/// record, numbered one on from the line before it and written by one of the runs.
class AppendedLinesCheck {
public:
    /// `pagesOfRun(run)` is the pages that run `run` writes with.
    explicit AppendedLinesCheck(int (*pagesOfRun)(int run)) : pagesOfRun_(pagesOfRun) {}

    /// Reads the catalog at `path` on from the bytes already checked, and checks them.
    /// Returns the first fault found, or an empty string; `onLine(run)` is told which
    /// run wrote each new line.
    template <typename OnLine>
    std::string checkMore(const std::string& path, OnLine onLine) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        const auto size = static_cast<std::size_t>(in.tellg());
        if (!in || size < checked_)
            return "the catalog shrank from " + std::to_string(checked_) + " to " +
                   std::to_string(size) + " bytes";
        catalog_.resize(size);
        in.seekg(static_cast<std::streamoff>(checked_));
        in.read(catalog_.data() + checked_, static_cast<std::streamsize>(size - checked_));
        const std::string& catalog = catalog_;
        std::size_t at = checked_;
        while (at < catalog.size()) {
            if (lines_ > 0) {
                if (catalog.compare(at, 2, "\r\n") != 0)
                    return Fault(catalog, at, "no CR LF before the line");
                at += 2;
            }
            std::size_t end = catalog.find("\r\n", at);
            std::string_view line(catalog.data() + at, (end == std::string::npos ? catalog.size() : end) - at);
            std::string fault = checkLine(line, onLine);
            if (!fault.empty())
                return Fault(catalog, at, fault);
            at += line.size();
        }
        checked_ = catalog.size();
        return {};
    }

    long long lines() const { return lines_; }

private:
    template <typename OnLine>
    std::string checkLine(std::string_view line, OnLine onLine) {
        ParsedLine parsed = ParseCatalogLine(line);
        if (!parsed.reaches(Element::UpgradeNotes))
            return "the line is not a whole record: it ends at " + std::string(ElementName(parsed.reached));
        const std::string prefix = "Saved by run ";
        const std::string& notes = parsed.record.upgradeNotes;
        int run = notes.starts_with(prefix) ? std::atoi(notes.c_str() + prefix.size()) : -1;
        const long long number = lines_ + 1;
        if (run < 0 || line != AppenderLine(run, pagesOfRun_(run), number))
            return "the line is not record " + std::to_string(number) + " as a run wrote it";
        ++lines_;
        onLine(run);
        return {};
    }

    std::string Fault(const std::string& catalog, std::size_t at, const std::string& what) const {
        std::string_view rest(catalog.data() + at, catalog.size() - at);
        return "line " + std::to_string(lines_ + 1) + " (byte " + std::to_string(at) + " of " +
               std::to_string(catalog.size()) + ", file size modulo 4096 is " +
               std::to_string(catalog.size() % 4096) + "): " + what + "; it starts " +
               std::string(rest.substr(0, 40)) + " and is " +
               std::to_string(std::min(rest.find("\r\n"), rest.size())) + " bytes long";
    }

    int (*pagesOfRun_)(int run);
    std::string catalog_;  ///< the bytes read so far
    std::size_t checked_ = 0;
    long long lines_ = 0;
};

}  // namespace tarvel::reliability
