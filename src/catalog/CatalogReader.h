#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "catalog/CatalogRecord.h"
#include "modepages/ModePageList.h"

namespace tarvel {

/// A catalog line taken apart. Only the elements up to `reached` come from the line.
struct ParsedLine {
    CatalogRecord record;
    /// The last element that the line reached, in file order; None for an empty line.
    /// PageSection means the line ended after its pages, before any notes.
    Element reached = Element::None;
    /// The line's whole pages, in line order.
    std::vector<std::unique_ptr<ModePageEntry>> pages;
    /// True when the line ended inside a page, which was left out.
    bool droppedUnfinishedPage = false;

    bool reaches(Element element) const { return static_cast<int>(reached) >= static_cast<int>(element); }
};

/// Takes one catalog line (with or without its line end) apart at the places where the
/// writer puts its delimiters, so that every line written from fields free of ",", "|",
/// CR and LF gives back the record that was written. Fields are cut at ",": an empty
/// field reads back empty. A Number of Mode Pages of at most one character means no
/// pages ("0,0,"). Otherwise whole pages follow (44 values each ended by "|", one ended
/// by ","); a rest that is the beginning of a page cut short is dropped, and any other
/// rest is the Upgrade Notes, commas and bars included. Item codes outside their list
/// read as 0. Never fails: a malformed line fills what it reaches.
ParsedLine ParseCatalogLine(std::string_view line);

/// Puts what `parsed` reached into `record` and, when the line reached Number of Mode
/// Pages, replaces the state's pages with the line's (the current entry is then the last
/// page, or none). Elements the line did not reach keep their values.
void ApplyParsedLine(ParsedLine&& parsed, CatalogRecord& record, ModePageState& state);

}  // namespace tarvel
