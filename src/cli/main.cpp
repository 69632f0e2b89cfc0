#include <QString>
#include <QStringList>

#include <iostream>

#include "cli/CatalogTool.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    tarvel::cli::Io io{std::cin, std::cout, std::cerr};
    int status = tarvel::cli::RunCatalogTool(args, io);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tarvel-catalog: could not write to standard output\n";
        status = 2;
    }
    return status;
}
