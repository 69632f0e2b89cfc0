#include <cstdio>
#include <cstdlib>

#include "FuzzTargets.h"

namespace tarvel::fuzz {

namespace {

void AbortOnFailure(const std::string& what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

void (*failureHandler)(const std::string&) = AbortOnFailure;

bool checkOpenFindings = [] {
    const char* value = std::getenv("TARVEL_FUZZ_OPEN_FINDINGS");
    return value && std::string(value) == "1";
}();

}  // namespace

void SetFailureHandler(void (*handler)(const std::string& what)) {
    failureHandler = handler ? handler : AbortOnFailure;
}

void Fail(const std::string& what) { failureHandler(what); }

void SetCheckOpenFindings(bool check) { checkOpenFindings = check; }

bool CheckOpenFindings() { return checkOpenFindings; }

std::string Printable(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

}  // namespace tarvel::fuzz
