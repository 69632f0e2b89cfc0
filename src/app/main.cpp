#include <QApplication>
#include <QIcon>

#include "app/TarvelApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0.1"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvel/icons/tarvel.png")));

    tarvel::CTarvelApp tarvel;
    if (!tarvel.InitInstance(QApplication::arguments()))
        return 1;
    int status = QApplication::exec();
    tarvel.ExitInstance();
    return status;
}
