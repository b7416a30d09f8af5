// The mail hand-off script.

#include "AppleMailer.h"
#include "RecordingScriptRunner.h"

#include <QtTest>

#include <memory>

namespace {

const std::string kHead = "tell application \"Mail\"\n"
                          "set theMessage to make new outgoing message with properties {visible:true}\n"
                          "set fileName to \"";
const std::string kTail = "\"\ntell content of theMessage\n"
                          "make new attachment with properties {file name:fileName} at after last "
                          "paragraph\nend tell\nset theMessage to activate\nend tell\n";

// The text of the script's quoted file name with its escapes undone; empty
// when the script is not head, quoted string, tail.
std::string quotedFileName(const std::string& script)
{
    if (script.compare(0, kHead.size(), kHead) != 0 || script.size() < kHead.size() + kTail.size()
        || script.compare(script.size() - kTail.size(), kTail.size(), kTail) != 0)
        return {};
    const std::string quoted = script.substr(kHead.size(), script.size() - kHead.size() - kTail.size());
    std::string text;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == '"')
            return {}; // the string would end here
        if (quoted[i] == '\\' && ++i == quoted.size())
            return {};
        text += quoted[i];
    }
    return text;
}

} // namespace

class tst_AppleMailer : public QObject {
    Q_OBJECT

private slots:
    void pathIsOneQuotedString_data();
    void pathIsOneQuotedString();
    void statusOfTheScriptIsReturned();
    void withoutScriptingTheStatusSaysSo();
};

void tst_AppleMailer::pathIsOneQuotedString_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("plain") << QByteArray("/tmp/sketch.pdf");
    QTest::newRow("blanks") << QByteArray("/Users/me/My Sketches/harbour at dusk.pdf");
    QTest::newRow("double quote") << QByteArray("/tmp/the \"best\" sketch.pdf");
    QTest::newRow("backslash before quote") << QByteArray("/tmp/a\\\" & do shell script \"x.pdf");
    QTest::newRow("ends in backslash") << QByteArray("/tmp/odd\\");
    QTest::newRow("753 bytes") << QByteArray("/" + QByteArray(748, 'a') + ".pdf");
    QTest::newRow("4000 bytes") << QByteArray("/" + QByteArray(3995, 'b') + ".pdf");
}

void tst_AppleMailer::pathIsOneQuotedString()
{
    QFETCH(QByteArray, path);
    Platform::RecordingScriptRunner scripts;
    AppleMailer mailer(scripts);
    QCOMPARE(mailer.EmailAttachedDcoument(path.toStdString()), 0);
    QCOMPARE(scripts.scripts().size(), 1u);
    QCOMPARE(quotedFileName(scripts.scripts().front()), path.toStdString());
}

void tst_AppleMailer::statusOfTheScriptIsReturned()
{
    Platform::RecordingScriptRunner scripts(-1708);
    const std::unique_ptr<IEMailClient> client = std::make_unique<AppleMailer>(scripts);
    QCOMPARE(client->EmailAttachedDcoument("/tmp/sketch.pdf"), -1708);
}

void tst_AppleMailer::withoutScriptingTheStatusSaysSo()
{
    QCOMPARE(AppleMailer().EmailAttachedDcoument("/tmp/sketch.pdf"), -50);
}

QTEST_MAIN(tst_AppleMailer)
#include "tst_applemailer.moc"
