#include "PeerTestSupport.h"
#include "QtSingleApplication.h"

#include <QFileOpenEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

// The application object is made once, in main(), as a start from the tray.
class QtSingleApplicationTest : public QObject {
    Q_OBJECT

private:
    QtSingleApplication* application() const { return static_cast<QtSingleApplication*>(qApp); }

private slots:
    void trayStartSignalsOnFirstActivationOnly()
    {
        QSignalSpy clicked(application(), &QtSingleApplication::trayIconClicked);
        QEvent activate(QEvent::ApplicationActivate);
        QApplicationStateChangeEvent active(Qt::ApplicationActive);

        QCoreApplication::sendEvent(application(), &active);
        QCoreApplication::sendEvent(application(), &activate);
        QCoreApplication::sendEvent(application(), &active);

        QCOMPARE(clicked.count(), 1);
    }

    // With no window yet, as at a start by a file opened from the file manager.
    void fileOpenEventBecomesSignal()
    {
        QSignalSpy clicked(application(), &QtSingleApplication::fileClickedInFinderSignal);
        QFileOpenEvent open(QStringLiteral("/Users/x/a.hlv"));

        QVERIFY(QCoreApplication::sendEvent(application(), &open));

        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("/Users/x/a.hlv"));
        QCOMPARE(application()->openedFile(), QStringLiteral("/Users/x/a.hlv"));
    }

    void firstCopyFindsNoOtherAndServes()
    {
        QVERIFY(!application()->sendMessage(QStringLiteral("Get the instance")));
        QVERIFY(!application()->isRunning());
    }

    void messageOfSecondCopyArrivesAndActivates()
    {
        QVERIFY(!application()->isRunning());
        QWidget window;
        window.setWindowState(Qt::WindowMinimized);
        window.show();
        application()->setActivationWindow(&window);
        QSignalSpy received(application(), &QtSingleApplication::messageReceived);

        std::future<bool> handedOver = shelltest::sendFromSecondCopy(QStringLiteral("Get the instance_/tmp/a.hlv"));

        QVERIFY(shelltest::waitFor(handedOver));
        QVERIFY(handedOver.get());
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("Get the instance_/tmp/a.hlv"));
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));

        application()->setActivationWindow(nullptr, false);
        window.setWindowState(Qt::WindowMinimized);
        handedOver = shelltest::sendFromSecondCopy(QStringLiteral("Get the instance"));
        QVERIFY(shelltest::waitFor(handedOver));
        QVERIFY(handedOver.get());
        QCOMPARE(received.count(), 2);
        QVERIFY(window.windowState() & Qt::WindowMinimized);
    }
};

int main(int argc, char** argv)
{
    shelltest::TemporaryHome home;
    char tray[] = "tray";
    char* trayArguments[] = {argv[0], tray, nullptr};
    int trayCount = 2;
    QtSingleApplication application(trayCount, trayArguments, true);
    QtSingleApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtsingleapplication.moc"
