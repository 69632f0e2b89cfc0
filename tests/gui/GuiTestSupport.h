#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <memory>

#include "catalog/CatalogRecord.h"
#include "catalog/CatalogState.h"
#include "framework/MessageBoxes.h"
#include "modepages/ModePageList.h"
#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"

namespace tarvel::testing {

/// One test's world: a working folder of its own (where Catalog.dat lives), a profile
/// folder of its own, recorded message boxes, a fixed clock (3 June 1997), and fresh
/// program-wide catalog state. Everything is put back when it ends.
class TestWorld {
public:
    TestWorld() : previousFolder_(QDir::currentPath()) {
        SetApplicationTitle(res::LoadString(res::kAppTitle));  // as the application sets it
        QDir::setCurrent(folder_.path());
        qputenv("XDG_CONFIG_HOME", QDir(folder_.path()).filePath(QStringLiteral(".config")).toLocal8Bit());
        SetCatalogClockForTesting([] {
            std::tm noon{};
            noon.tm_year = 97;
            noon.tm_mon = 5;
            noon.tm_mday = 3;
            noon.tm_hour = 12;
            noon.tm_isdst = -1;
            return std::mktime(&noon);
        });
        Reset();
    }
    ~TestWorld() {
        Reset();
        SetCatalogClockForTesting(nullptr);
        QDir::setCurrent(previousFolder_);
    }

    /// A path in the working folder.
    QString file(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    QByteArray read(const QString& name = QStringLiteral("Catalog.dat")) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes, const QString& name = QStringLiteral("Catalog.dat")) const {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    RecordedMessageBoxes messages;

private:
    static void Reset() {
        CurrentCatalogPath().clear();
        RecordLineBuffer().clear();
        EmptyModePageList();
        ModePages().count = 0;
        ModePages().editExisting = 0;
        ModePages().addNew = 0;
    }

    QTemporaryDir folder_;
    QString previousFolder_;
};

/// The worked example's two records, as the catalog holds them.
inline const QByteArray kExampleLine1 =
    "0001,6/3/97,Seagate,DRIVE01,0012,0015,0018,6,7,3,FW0018.BIN,0,0,No Text";
inline const QByteArray kExampleLine2 =
    "0002,6/3/97,Seagate,DRIVE01,0012,0015,0018,1,1,2,FW0018.BIN,01,"
    "08|00|00|00|08|00|00|00|00|00|00|02|00|88|12|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|"
    "XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX,Fixes read retry";

}  // namespace tarvel::testing

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

namespace tarvel::testing {

/// Polls for the modal dialog that WhenModal waits for, for up to `tries` more rounds.
inline void PollModal(std::shared_ptr<std::function<void(QWidget*)>> act, QString name, int tries) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && (name.isEmpty() || modal->objectName() == name)) {
        (*act)(modal);
        return;
    }
    if (tries > 0)
        QTimer::singleShot(10, [act, name, tries] { PollModal(act, name, tries - 1); });
}

/// Runs `act` on the next modal dialog once it is up (from inside its event loop); with
/// `name`, on the next one of that object name ("dialog212" for template 212).
inline void WhenModal(std::function<void(QWidget*)> act, const QString& name = QString()) {
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(act));
    QTimer::singleShot(0, [shared, name] { PollModal(shared, name, 500); });
}

}  // namespace tarvel::testing
