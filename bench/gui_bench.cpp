// Whole-program figures of the editor, one measurement a process so that each starts
// cold in memory (run it on the offscreen platform):
//
//   gui_bench startup CATALOG   start-up to the form shown; peak memory with the form up
//   gui_bench select CATALOG    Edit Record: the Select Record list shown, then laid out
//                               to its last line, OK on the last line (reading it and
//                               loading it into the form), and the memory the list adds
//                               per line (resident set, list shown at its end)
//   gui_bench bare              peak memory of a bare QMainWindow, for comparison
//
// CATALOG is a catalog file, or "empty" for an empty one. It becomes Catalog.dat in a
// working folder of the run's own (a link to the file), as the editor finds it when it
// starts; the profile goes to that folder too. Prints "name=value" lines.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <functional>

#include "app/MainFrame.h"
#include "app/TarvelApp.h"
#include "catalog/CatalogState.h"
#include "form/TarvelView.h"

namespace {

/// Peak resident set of this program image, in KiB. getrusage's ru_maxrss survives exec
/// and so can report the parent's peak (a script's, say); the high-water mark of the
/// process's own memory does not.
long PeakRssKb() {
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        long kb = -1;
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
                break;
        std::fclose(status);
        if (kb >= 0)
            return kb;
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

/// Bytes of memory the process holds now (its resident set).
double ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

/// Handles events until `window` is exposed, then once more so that it is painted.
void ProcessUntilExposed(QWidget* widget) {
    while (!widget->windowHandle() || !widget->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

/// Makes `folder` the working folder, with Catalog.dat standing for `catalog`.
bool PrepareFolder(const QTemporaryDir& folder, const QString& catalog) {
    const QString link = QDir(folder.path()).filePath(QStringLiteral("Catalog.dat"));
    if (catalog == QStringLiteral("empty")) {
        QFile empty(link);
        if (!empty.open(QIODevice::WriteOnly))
            return false;
    } else if (!QFile::link(QFileInfo(catalog).absoluteFilePath(), link)) {
        return false;
    }
    qputenv("XDG_CONFIG_HOME", QDir(folder.path()).filePath(QStringLiteral(".config")).toLocal8Bit());
    return QDir::setCurrent(folder.path());
}

int StartUp() {
    QElapsedTimer timer;
    timer.start();
    tarvel::CTarvelApp tarvel;
    if (!tarvel.InitInstance({QStringLiteral("tarvel")}))
        return 1;
    ProcessUntilExposed(tarvel.mainFrame());
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("startup_ms=%.3f\n", ms);
    std::printf("record_number=%s\n", qPrintable(tarvel.view()->m_recordNumber));
    std::printf("peak_rss_kb=%ld\n", PeakRssKb());
    return 0;
}

int SelectRecord(const QString& catalog) {
    tarvel::CTarvelApp tarvel;
    if (!tarvel.InitInstance({QStringLiteral("tarvel")}))
        return 1;
    ProcessUntilExposed(tarvel.mainFrame());

    struct stat info {};
    if (::stat(QFile::encodeName(catalog).constData(), &info) == 0)
        std::printf("catalog_age_s=%ld\n", static_cast<long>(std::time(nullptr) - info.st_mtim.tv_sec));

    const double residentBefore = ResidentBytes();
    double shownMs = -1, fullMs = 0, okStarted = 0, residentShown = 0;
    int lines = 0;
    QElapsedTimer timer;
    // Polls from inside the dialog's own event loop until the list is up and painted; then
    // scrolls to the end as the lines are laid out, chooses the last line and presses OK.
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        auto* list = dialog->findChild<QListView*>(QStringLiteral("control1032"));
        if (!list || !list->model())
            return;
        poll.stop();
        ProcessUntilExposed(dialog);
        shownMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        lines = list->model()->rowCount();
        const QModelIndex last = list->model()->index(lines - 1, 0);
        while (true) {
            list->scrollTo(last);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            const QRect shown = list->visualRect(last);
            if (shown.isValid() && list->viewport()->rect().contains(shown.center()))
                break;
        }
        fullMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        residentShown = ResidentBytes();
        list->setCurrentIndex(last);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        okStarted = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        dialog->findChild<QPushButton*>(QStringLiteral("control1"))->click();
    });
    poll.start();
    timer.start();
    tarvel.view()->OnEditRecord();
    const double okMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 - okStarted;
    if (shownMs < 0)
        return 1;
    std::printf("list_shown_ms=%.3f\n", shownMs);
    std::printf("list_laid_out_ms=%.3f\n", fullMs);
    std::printf("ok_last_ms=%.3f\n", okMs);
    std::printf("lines=%d\n", lines);
    std::printf("list_bytes_per_line=%.2f\n", (residentShown - residentBefore) / lines);
    std::printf("loaded_record_number=%s\n", qPrintable(tarvel.view()->m_recordNumber));
    std::printf("peak_rss_kb=%ld\n", PeakRssKb());
    return 0;
}

int Bare() {
    QMainWindow window;
    window.resize(640, 480);
    window.show();
    ProcessUntilExposed(&window);
    std::printf("peak_rss_kb=%ld\n", PeakRssKb());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0.1"));
    const QStringList arguments = QApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode == QStringLiteral("bare"))
        return Bare();
    if ((mode != QStringLiteral("startup") && mode != QStringLiteral("select")) || arguments.size() != 3) {
        std::fprintf(stderr, "usage: gui_bench startup|select CATALOG | gui_bench bare\n");
        return 2;
    }
    QTemporaryDir folder;
    if (!folder.isValid() || !PrepareFolder(folder, arguments[2])) {
        std::fprintf(stderr, "cannot prepare a working folder for %s\n", qPrintable(arguments[2]));
        return 1;
    }
    return mode == QStringLiteral("startup") ? StartUp() : SelectRecord(arguments[2]);
}
