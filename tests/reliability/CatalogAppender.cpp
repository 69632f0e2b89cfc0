// catalog_appender CATALOG RUN PAGES [COUNT]
//
// Saves records into CATALOG through Save Record's numbered append, COUNT of them or,
// without COUNT, until it is killed. Each record is AppenderRecord(RUN, PAGES). After
// each record it writes one byte to standard output, so that a test can tell how far
// it got. A sharing violation (another writer held the lock longer than a writer waits)
// is tried again, as a user would, and counted; any other failure ends it with status 1.
// At the end it prints "retries N" to standard error.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "AppenderRecord.h"
#include "catalog/CatalogWriter.h"

using namespace tarvel;

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s CATALOG RUN PAGES [COUNT]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const int run = std::atoi(argv[2]);
    const int pages = std::atoi(argv[3]);
    const long count = argc > 4 ? std::atol(argv[4]) : -1;

    ModePageList list;
    reliability::AppenderPages(list, pages);
    long retries = 0;
    for (long saved = 0; count < 0 || saved < count;) {
        CatalogRecord record = reliability::AppenderRecord(run, pages);
        auto error = AppendNumberedRecord(path, record, list, reliability::kAppenderDate);
        if (error && error->systemError == EAGAIN) {
            ++retries;
            continue;
        }
        if (error) {
            std::fprintf(stderr, "%s\n", error->message.c_str());
            return 1;
        }
        ++saved;
        if (write(STDOUT_FILENO, "+", 1) != 1 && count < 0)
            return 1;  // nobody is listening any more
    }
    std::fprintf(stderr, "retries %ld\n", retries);
    return 0;
}
