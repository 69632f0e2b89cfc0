#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvel {

// While a record is appended, the writer leaves a note beside the catalog with the
// catalog's size before and after the record. A writer that is killed part-way (a write
// cut short by a signal can stop at any page boundary) leaves the note behind, and the
// next writer, holding the lock, cuts the unfinished record off before it writes.

/// The note's path: ".NAME.append" in the catalog's folder.
std::string AppendJournalPath(const std::string& catalogPath);

/// Leaves the note for an append that takes the catalog from `before` to `after` bytes.
/// False, with errno set, when it could not be written.
bool BeginAppend(const std::string& journal, std::int64_t before, std::int64_t after);

/// Removes the note of an append that ended, written whole or cut back.
void EndAppend(const std::string& journal);

/// Call holding the catalog's lock, with `fd` open on it and `size` its size. When a note
/// is there and the catalog ends inside the record it announced, cuts the catalog back to
/// where that record began; then removes the note. Returns the catalog's size afterwards,
/// or nothing (errno set) when the cut failed.
std::optional<std::int64_t> RecoverUnfinishedAppend(const std::string& journal, int fd,
                                                    std::int64_t size);

/// Cuts off a record that a killed writer left unfinished in the catalog at `path`, when
/// its note is there, taking the catalog's lock to do so. Costs one failed open when
/// there is no note. Readers call it before they read.
void RepairUnfinishedAppend(const std::string& path);

}  // namespace tarvel
