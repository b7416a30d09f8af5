// The factory settings file shipped with the program must hold every entry
// and attribute that the program reads or changes: the store creates none.
// Code names its keys as string literals at the call, which is what the scan
// below relies on.

#include "ApplSettings.h"
#include "ScratchDir.h"
#include "SettingsFixtures.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kSourceRoot = QDir::cleanPath(QStringLiteral(DRAVELLO_TEST_DATA "/../.."));
const QString kFactoryFile = kSourceRoot + QStringLiteral("/Dravello/support/dravellofactory.xml");

struct KeyUse {
    QString file;
    QString method;
    QString key;
    QString attribute;
};

// Every call of a store operation with a literal key and attribute below `folder`.
QList<KeyUse> keyUsesBelow(const QString& folder)
{
    // An optional wrapper such as QStringLiteral(...) around each literal.
    const QString literal = QStringLiteral("(?:\\w+\\s*\\(\\s*)?\"([^\"\\\\]*)\"\\s*\\)?");
    const QRegularExpression call(
        QStringLiteral("\\b(getAttrValueStr|getAttrValueStrPreloaded|setAttrValueStr)\\s*\\(\\s*")
        + literal + QStringLiteral("\\s*,\\s*") + literal);

    QList<KeyUse> uses;
    QDirIterator sources(folder, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        const QString path = sources.next();
        const QString text = QString::fromUtf8(readBytes(path));
        for (auto match = call.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            uses.append({QDir(kSourceRoot).relativeFilePath(path), found.captured(1),
                         found.captured(2), found.captured(3)});
        }
    }
    return uses;
}

// True when `document` holds the entry of `key` with the attribute, matched
// as the store matches it (the attribute exactly when `exact`).
bool holds(const QDomDocument& document, const QString& key, const QString& attribute, bool exact)
{
    const QStringList parts = key.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return false;
    for (QDomElement group = document.documentElement().firstChildElement(); !group.isNull();
         group = group.nextSiblingElement()) {
        if (group.tagName().toLower() != parts[0].toLower())
            continue;
        for (QDomElement entry = group.firstChildElement(); !entry.isNull();
             entry = entry.nextSiblingElement()) {
            if (entry.tagName() != parts[1])
                continue;
            const QDomNamedNodeMap attributes = entry.attributes();
            for (int i = 0; i < attributes.length(); ++i) {
                const QString name = attributes.item(i).nodeName();
                if (exact ? name == attribute : name.toLower() == attribute.toLower())
                    return true;
            }
            break;
        }
    }
    return false;
}

QDomDocument factoryDocument()
{
    QDomDocument document;
    document.setContent(readBytes(kFactoryFile));
    return document;
}

} // namespace

class FactorySettingsTest : public QObject {
    Q_OBJECT

private:
    SettingsTestEnvironment environment;
    ScriptedPrompt& prompt = environment.prompt;

private slots:
    void cleanup() { QVERIFY(environment.nothingModal()); }

    void holdsEveryKeyOfTheSettingsTable_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("attribute");

        const QList<QPair<QString, QStringList>> table{
            {"visuality_properties/default_pen", {"rgba_color", "width", "ball_point_size"}},
            {"visuality_properties/highlight_pen", {"rgba_color", "width"}},
            {"visuality_properties/scrubber_left_pen", {"rgba_color", "width"}},
            {"visuality_properties/scrubber_middle_pen", {"rgba_color", "width"}},
            {"visuality_properties/scrubber_right_pen", {"rgba_color", "width"}},
            {"page_properties/page", {"size", "orientation", "angle"}},
            {"receiver_properties/receiver", {"low_pressure", "high_pressure", "default_pressure"}},
            {"translator/language", {"name", "status"}},
            {"startup_directory/directory", {"path"}},
            {"hardware/device", {"vid", "pid", "vendor_name", "model_name"}},
            {"fileformats/extensions", {"list"}},
        };
        for (const auto& [key, attributes] : table)
            for (const QString& attribute : attributes)
                QTest::newRow(qPrintable(key + " " + attribute)) << key << attribute;
    }

    void holdsEveryKeyOfTheSettingsTable()
    {
        QFETCH(QString, key);
        QFETCH(QString, attribute);
        QVERIFY(holds(factoryDocument(), key, attribute, true));
    }

    void holdsEveryKeyReadInTheCode()
    {
        const QDomDocument factory = factoryDocument();
        QVERIFY(!factory.documentElement().isNull());
        const QList<KeyUse> uses = keyUsesBelow(kSourceRoot + QStringLiteral("/Dravello"));

        QStringList absent;
        bool sawPaperSize = false;
        for (const KeyUse& use : uses) {
            const bool exact = use.method == QLatin1String("getAttrValueStr");
            if (!holds(factory, use.key, use.attribute, exact))
                absent << QStringLiteral("%1: %2(\"%3\", \"%4\")")
                              .arg(use.file, use.method, use.key, use.attribute);
            sawPaperSize |= use.key == QLatin1String("page_properties/page")
                            && use.attribute == QLatin1String("size");
        }
        // The store's own reads prove that the scan finds calls at all.
        QVERIFY2(sawPaperSize, "the scan found no call of the settings store");
        QVERIFY2(absent.isEmpty(), qPrintable(absent.join('\n')));
    }

    void defaultsAreUsable()
    {
        ApplSettings settings;
        QVERIFY(settings.readApplSettings(kFactoryFile, kFactoryFile));
        QVERIFY(prompt.requests.isEmpty());
        QVERIFY(settings.getPaperSize().isValid());

        auto value = [&settings](const char* key, const char* attribute) {
            QString text;
            settings.getAttrValueStr(key, attribute, text);
            return text;
        };
        auto isNumber = [](const QString& text, int base = 10) {
            bool ok = false;
            text.toInt(&ok, base);
            return ok;
        };

        for (const char* pen : {"default_pen", "highlight_pen", "scrubber_left_pen",
                                "scrubber_middle_pen", "scrubber_right_pen"}) {
            const QByteArray key = QByteArray("visuality_properties/") + pen;
            QColor colour;
            QVERIFY2(settings.str2Color(value(key, "rgba_color"), colour), key);
            QVERIFY2(isNumber(value(key, "width")), key);
        }
        QVERIFY(QStringList({"0.8", "1.0", "1.2", "1.4"})
                    .contains(value("visuality_properties/default_pen", "ball_point_size")));
        QVERIFY(QStringList({"-45", "0", "45", "-90", "90", "-135", "180", "135"})
                    .contains(value("page_properties/page", "angle")));

        const int low = value("receiver_properties/receiver", "low_pressure").toInt();
        const int high = value("receiver_properties/receiver", "high_pressure").toInt();
        const int start = value("receiver_properties/receiver", "default_pressure").toInt();
        QVERIFY(0 < low && low <= start && start <= high && high <= 0xFFFF);

        QVERIFY(isNumber(value("hardware/device", "vid"), 16));
        QVERIFY(isNumber(value("hardware/device", "pid"), 16));
        QVERIFY(!value("hardware/device", "vendor_name").isEmpty());
        QVERIFY(!value("hardware/device", "model_name").isEmpty());
        const QStringList patterns = value("fileformats/extensions", "list").split(' ');
        QVERIFY(!patterns.contains(QString()));
        for (const char* suffix : {"*.wpi", "*.eli", "*.hlv", "*.inkml"})
            QVERIFY2(patterns.contains(suffix), suffix);
    }
};

QTEST_MAIN(FactorySettingsTest)
#include "tst_factorysettings.moc"
