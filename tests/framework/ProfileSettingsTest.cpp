#include "framework/ProfileSettings.h"
#include "framework/RecentFileList.h"
#include "resources/MainFrameResources.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

class ProfileSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void addKeepsNewestFirstWithoutRepeats_data();
    void addKeepsNewestFirstWithoutRepeats();
    void displayNamesNumberEntries();
    void profileSurvivesARestart();
    void menuShowsEntriesInPlaceOfThePlaceholder();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void ProfileSettingsTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_->path());
    QDir::setCurrent(dir_->path());
}

void ProfileSettingsTest::addKeepsNewestFirstWithoutRepeats_data() {
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("newest first") << QStringList{"a", "b"} << QStringList{"b", "a"};
    QTest::newRow("a repeat moves to the top") << QStringList{"a", "b", "c", "a"}
                                               << QStringList{"a", "c", "b"};
    QTest::newRow("the same file by another path") << QStringList{"a", "b", "./sub/../a"}
                                                   << QStringList{"a", "b"};
    QTest::newRow("the fifth pushes out the oldest") << QStringList{"a", "b", "c", "d", "e"}
                                                     << QStringList{"e", "d", "c", "b"};
    QTest::newRow("empty names are ignored") << QStringList{"a", ""} << QStringList{"a"};
}

void ProfileSettingsTest::addKeepsNewestFirstWithoutRepeats() {
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    RecentFileList list;
    for (const QString& name : added)
        list.add(name);
    QStringList absolute;
    for (const QString& name : expected)
        absolute.append(QDir::current().absoluteFilePath(name));
    QCOMPARE(list.files(), absolute);
}

void ProfileSettingsTest::displayNamesNumberEntries() {
    RecentFileList list;
    list.add(QStringLiteral("/elsewhere/B&B.dat"));
    list.add(QDir::current().absoluteFilePath(QStringLiteral("Catalog.dat")));
    QCOMPARE(list.displayName(0, QDir::currentPath()), QStringLiteral("&1 Catalog.dat"));
    QCOMPARE(list.displayName(1, QDir::currentPath()), QStringLiteral("&2 /elsewhere/B&&B.dat"));
    QCOMPARE(list.displayName(2, QDir::currentPath()), QString());
}

void ProfileSettingsTest::profileSurvivesARestart() {
    {
        ProfileSettings profile;
        profile.load();
        QVERIFY(profile.recentFiles().files().isEmpty());
        for (const char* name : {"one.dat", "two.dat", "three.dat"})
            profile.recentFiles().add(QString::fromLatin1(name));
        profile.setPreviewPages(2);
        QVERIFY(profile.save());
        QCOMPARE(profile.fileName(), QDir(dir_->path()).filePath(QStringLiteral("tarvel.ini")));
    }
    QVERIFY(QFile::exists(QDir(dir_->path()).filePath(QStringLiteral("tarvel.ini"))));
    {
        QSettings raw(QDir(dir_->path()).filePath(QStringLiteral("tarvel.ini")), QSettings::IniFormat);
        QCOMPARE(raw.value("Recent File List/File1").toString(),
                 QDir::current().absoluteFilePath(QStringLiteral("three.dat")));
        QCOMPARE(raw.value("Recent File List/File3").toString(),
                 QDir::current().absoluteFilePath(QStringLiteral("one.dat")));
        QVERIFY(!raw.contains("Recent File List/File4"));
        QCOMPARE(raw.value("Settings/PreviewPages").toInt(), 2);
    }
    ProfileSettings restarted;
    restarted.load();
    QCOMPARE(restarted.recentFiles().files().size(), 3);
    QCOMPARE(restarted.recentFiles().files().first(),
             QDir::current().absoluteFilePath(QStringLiteral("three.dat")));
    QCOMPARE(restarted.previewPages(), 2);
    // Fewer entries than before: the keys of the dropped ones go.
    restarted.recentFiles().remove(0);
    restarted.recentFiles().remove(0);
    QVERIFY(restarted.save());
    QSettings raw(restarted.fileName(), QSettings::IniFormat);
    QVERIFY(raw.contains("Recent File List/File1"));
    QVERIFY(!raw.contains("Recent File List/File2"));
}

void ProfileSettingsTest::menuShowsEntriesInPlaceOfThePlaceholder() {
    QMenu menu;
    QAction* before = menu.addAction(QStringLiteral("Print Setup"));
    QAction* placeholder = menu.addAction(QStringLiteral("Recent File"));
    QAction* after = menu.addAction(QStringLiteral("Exit"));
    RecentFileList list;
    QSignalSpy chosen(&list, &RecentFileList::fileChosen);
    list.attachToMenu(&menu, placeholder);
    const auto visibleTexts = [&] {
        QStringList texts;
        for (QAction* action : menu.actions())
            if (action->isVisible())
                texts.append(action->text());
        return texts;
    };
    QCOMPARE(visibleTexts(), (QStringList{"Print Setup", "Recent File", "Exit"}));
    QVERIFY(!placeholder->isEnabled());

    list.add(QStringLiteral("first.dat"));
    list.add(QStringLiteral("second.dat"));
    QCOMPARE(visibleTexts(), (QStringList{"Print Setup", "&1 second.dat", "&2 first.dat", "Exit"}));
    menu.actions().at(2)->trigger();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toString(), QDir::current().absoluteFilePath("first.dat"));

    list.clear();
    QCOMPARE(visibleTexts(), (QStringList{"Print Setup", "Recent File", "Exit"}));
    Q_UNUSED(before);
    Q_UNUSED(after);
}

QTEST_MAIN(ProfileSettingsTest)
#include "ProfileSettingsTest.moc"
