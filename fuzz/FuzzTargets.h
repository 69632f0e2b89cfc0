#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvel::fuzz {

/// One fuzz target: takes any bytes, returns 0, and reports through Fail() every input
/// that breaks the property the target checks.
using Entry = int (*)(const std::uint8_t* data, std::size_t size);

/// Takes one catalog line apart and loads it into a record and a mode page state.
int ReaderInput(const std::uint8_t* data, std::size_t size);
/// Reads the last line and the next number of a catalog holding the bytes.
int LastLineInput(const std::uint8_t* data, std::size_t size);
/// Builds the Select Record list line of a catalog line.
int ListLineInput(const std::uint8_t* data, std::size_t size);
/// Writes a record built from the bytes and reads it back.
int RoundTripInput(const std::uint8_t* data, std::size_t size);

struct Target {
    const char* name;  ///< also the folder name of its corpus and its regression cases
    Entry entry;
};
inline constexpr Target kTargets[] = {
    {"reader", ReaderInput},
    {"lastline", LastLineInput},
    {"listline", ListLineInput},
    {"roundtrip", RoundTripInput},
};

/// Where a broken property is reported; the default prints `what` and aborts, which
/// is how libFuzzer learns of it. A replay test sets its own.
void SetFailureHandler(void (*handler)(const std::string& what));
[[gnu::cold]] void Fail(const std::string& what);

/// Whether targets also check the properties that the core is known to break (the
/// open findings in docs/RELIABILITY.md); off unless set here or by the environment
/// variable TARVEL_FUZZ_OPEN_FINDINGS=1.
void SetCheckOpenFindings(bool check);
bool CheckOpenFindings();

/// Shows bytes with anything but printable ASCII escaped, for a failure message.
std::string Printable(std::string_view bytes);

}  // namespace tarvel::fuzz

/// Reports `what` (built only on failure) unless `condition` holds.
#define FUZZ_REQUIRE(condition, what)              \
    do {                                           \
        if (!(condition))                          \
            ::tarvel::fuzz::Fail(std::string(what)); \
    } while (false)
