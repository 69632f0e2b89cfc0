#include "framework/CommandErrors.h"
#include "framework/MessageBoxes.h"
#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <new>
#include <stdexcept>

using namespace tarvel;

Q_DECLARE_METATYPE(std::function<void()>)
Q_DECLARE_METATYPE(tarvel::CommandSource)
Q_DECLARE_METATYPE(tarvel::MessageIcon)

class CommandErrorsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QGuiApplication::setApplicationDisplayName(res::LoadString(res::kAppTitle));
    }
    void escapingErrorsAreShownAndTheProgramGoesOn_data();
    void escapingErrorsAreShownAndTheProgramGoesOn();
    void realMessageBoxCarriesCaptionIconAndText();
    void recordersNestAndRestore();
};

void CommandErrorsTest::escapingErrorsAreShownAndTheProgramGoesOn_data() {
    QTest::addColumn<std::function<void()>>("handler");
    QTest::addColumn<CommandSource>("source");
    QTest::addColumn<QString>("message");
    const auto fileError = [] {
        throw FileException(QStringLiteral("Access to /x/Catalog.dat was denied."),
                            QStringLiteral("/x/Catalog.dat"));
    };
    QTest::newRow("completes") << std::function<void()>([] {}) << CommandSource::Menu << QString();
    QTest::newRow("file error from a menu") << std::function<void()>(fileError)
                                            << CommandSource::Menu
                                            << "Access to /x/Catalog.dat was denied.";
    QTest::newRow("file error from a button") << std::function<void()>(fileError)
                                              << CommandSource::Button
                                              << "Access to /x/Catalog.dat was denied.";
    QTest::newRow("other error from a menu")
        << std::function<void()>([] { throw std::runtime_error("internal detail"); })
        << CommandSource::Menu << "Command failed.";
    QTest::newRow("other error from a button") << std::function<void()>([] { throw 7; })
                                               << CommandSource::Button
                                               << "Internal application error.";
    QTest::newRow("out of memory") << std::function<void()>([] { throw std::bad_alloc(); })
                                   << CommandSource::Button << "Out of memory.";
}

void CommandErrorsTest::escapingErrorsAreShownAndTheProgramGoesOn() {
    QFETCH(std::function<void()>, handler);
    QFETCH(CommandSource, source);
    QFETCH(QString, message);
    RecordedMessageBoxes boxes;
    QCOMPARE(RunCommand(handler, source), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(boxes.messages.isEmpty());
        return;
    }
    QCOMPARE(boxes.texts(), QStringList{message});
    QCOMPARE(boxes.messages.first().icon, MessageIcon::Stop);
    QCOMPARE(boxes.messages.first().caption, QStringLiteral("Orvan Tarvel"));
    QCOMPARE(boxes.messages.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void CommandErrorsTest::realMessageBoxCarriesCaptionIconAndText() {
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QCOMPARE(ShowMessage(QStringLiteral("Error opening File!"), MessageIcon::Exclamation, &owner),
             QMessageBox::Ok);
    QCOMPARE(title, QStringLiteral("Orvan Tarvel"));
    QCOMPARE(text, QStringLiteral("Error opening File!"));
    QCOMPARE(icon, QMessageBox::Warning);
}

void CommandErrorsTest::recordersNestAndRestore() {
    RecordedMessageBoxes outer;
    {
        RecordedMessageBoxes inner;
        inner.onMessage = [](const RecordedMessageBoxes::Message&) { return QMessageBox::Cancel; };
        QCOMPARE(ShowMessage(QStringLiteral("one")), QMessageBox::Cancel);
        QCOMPARE(inner.texts(), QStringList{"one"});
    }
    QCOMPARE(ShowMessage(QStringLiteral("two")), QMessageBox::Ok);
    QCOMPARE(outer.texts(), QStringList{"two"});
}

QTEST_MAIN(CommandErrorsTest)
#include "CommandErrorsTest.moc"
