#include "ScratchLog.h"
#include "ScriptedPrompt.h"
#include "SettingsFixtures.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QtTest>

#include <thread>

class UserPromptTest : public QObject {
    Q_OBJECT

private slots:
    void guiThreadRequestsReachTheInstalledPrompt()
    {
        ScriptedPrompt outer;
        {
            ScriptedPrompt inner;
            inner.answers << QMessageBox::Cancel;
            PromptRequest request = PromptRequest::message(QMessageBox::Question, "Go on?");
            request.buttons = QMessageBox::Ok | QMessageBox::Cancel;
            request.defaultButton = QMessageBox::Ok;

            QCOMPARE(askUser(request), QMessageBox::Cancel);
            QCOMPARE(inner.requests.size(), 1);
            const PromptRequest& asked = inner.requests.first();
            QCOMPARE(asked.icon, QMessageBox::Question);
            QCOMPARE(asked.title, QStringLiteral("Scrivet Dravello"));
            QCOMPARE(asked.text, QStringLiteral("Go on?"));
            QCOMPARE(asked.buttons, QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(asked.defaultButton, QMessageBox::Ok);
        }
        // The inner replacement restored the outer one.
        QCOMPARE(askUser(PromptRequest::message(QMessageBox::Warning, "Again")), QMessageBox::Ok);
        QCOMPARE(outer.texts(), QStringList{"Again"});
        QVERIFY(!QApplication::activeModalWidget());
    }

    void otherThreadsShowNothingAndLog()
    {
        const testsupport::ScratchLog log;
        ScriptedPrompt prompt;
        QMessageBox::StandardButton answer = QMessageBox::Ok;
        bool onGui = true;
        std::thread worker([&] {
            onGui = onGuiThread();
            answer = askUser(PromptRequest::message(QMessageBox::Critical, "Lost\nreceiver"));
        });
        worker.join();

        QVERIFY(!onGui);
        QVERIFY(onGuiThread());
        QCOMPARE(answer, QMessageBox::NoButton);
        QVERIFY(prompt.requests.isEmpty());
        QVERIFY(!prompt.askedOffGuiThread);
        QVERIFY(readBytes(QString::fromStdString(log.path())).contains("WARNING not shown off the GUI thread: Lost receiver\tUserPrompt::askUser()"));
    }
};

QTEST_MAIN(UserPromptTest)
#include "tst_userprompt.moc"
