#include "ApplSettings.h"
#include "ScratchDir.h"
#include "ScratchLog.h"
#include "Singleton.h"
#include "SettingsFixtures.h"

#include <QApplication>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {

class Counted : public Singleton<Counted> {
public:
    Counted()
    {
        ++constructions;
        // Widen the window in which a second thread could construct another.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    static std::atomic<int> constructions;
};

std::atomic<int> Counted::constructions{0};

int countOf(const QByteArray& haystack, const QByteArray& needle)
{
    int count = 0;
    for (int at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + 1))
        ++count;
    return count;
}

} // namespace

class SettingsConcurrencyTest : public QObject {
    Q_OBJECT

private:
    SettingsTestEnvironment environment;
    ScriptedPrompt& prompt = environment.prompt;

private slots:
    void init() { prompt.clear(); }

    void cleanup() { QVERIFY(environment.nothingModal()); }

    void singletonIsBuiltOnceForAllThreads()
    {
        std::vector<Counted*> seen(8, nullptr);
        std::vector<std::thread> threads;
        for (std::size_t i = 0; i < seen.size(); ++i)
            threads.emplace_back([&seen, i] { seen[i] = Counted::instance(); });
        for (std::thread& thread : threads)
            thread.join();

        QCOMPARE(Counted::constructions.load(), 1);
        for (Counted* pointer : seen)
            QCOMPARE(pointer, Counted::instance());
        QCOMPARE(ApplSettings::instance(), ApplSettings::instance());
    }

    void missingEntryOffTheGuiThreadIsLoggedOnce()
    {
        testsupport::ScratchDir folder;
        const testsupport::ScratchLog log;
        const QString path = copyFixture(folder, "user.xml");
        ApplSettings settings;
        QVERIFY(settings.readApplSettings(path, path));

        std::atomic<int> failures{0};
        std::thread loader([&] {
            for (int i = 0; i < 3; ++i) {
                QString angle = QStringLiteral("fallback");
                if (!settings.getAttrValueStrPreloaded("page_properties/sheet", "angle", angle)
                    && angle == QLatin1String("fallback"))
                    ++failures;
            }
        });
        loader.join();

        QCOMPARE(failures.load(), 3);
        QVERIFY(prompt.requests.isEmpty());
        const QByteArray expected = "Entry page_properties/sheet does not have attribute name angle in "
                                  + path.toUtf8() + " settings file.";
        QCOMPARE(countOf(readBytes(QString::fromStdString(log.path())), expected), 1);

        // The GUI thread still tells the user, once.
        QString angle;
        QVERIFY(!settings.getAttrValueStrPreloaded("page_properties/sheet", "angle", angle));
        QVERIFY(!settings.getAttrValueStrPreloaded("page_properties/sheet", "angle", angle));
        QCOMPARE(prompt.requests.size(), 1);
    }

    void readersSeeWholeStatesWhileTheGuiThreadChangesSettings()
    {
        testsupport::ScratchDir folder;
        const QString path = scratchPath(folder, "settings.xml");
        QVERIFY(writeBytes(path, "<settings><page_properties><page size=\"A4\" orientation=\"Portrait\" "
                                 "angle=\"0\"/></page_properties><visuality_properties>"
                                 "<default_pen rgba_color=\"0 0 0 255\" width=\"3\" "
                                 "ball_point_size=\"1.0\"/></visuality_properties></settings>"));
        ApplSettings settings;
        QVERIFY(settings.readApplSettings(path, path));

        const QStringList angles{"0", "45", "90", "-135"};
        const QStringList colours{"0 0 0 255", "255 0 0 128"};
        std::atomic<bool> stop{false};
        std::atomic<int> torn{0};
        std::atomic<int> reads{0};
        std::thread loader([&] {
            while (!stop) {
                const QSizeF size = settings.getPaperSize();
                if (size != QSizeF(2100, 2970) && size != QSizeF(2970, 2100))
                    ++torn;
                QString angle, colourText;
                QColor colour;
                if (!settings.getAttrValueStrPreloaded("page_properties/page", "angle", angle)
                    || !angles.contains(angle))
                    ++torn;
                if (!settings.getAttrValueStrPreloaded("visuality_properties/default_pen",
                                                       "rgba_color", colourText)
                    || !colours.contains(colourText) || !settings.str2Color(colourText, colour))
                    ++torn;
                ++reads;
            }
        });

        // Rewrite the file and read it back now and then, so the whole
        // document is replaced under the reader too.
        bool allWritten = true;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; clock.elapsed() < 300 || reads < 200; ++i) {
            settings.setOrientation(i % 2 ? ApplSettings::Landscape : ApplSettings::Portrait);
            settings.setAttrValueStr("page_properties/page", "angle", angles[i % angles.size()]);
            settings.setAttrValueStr("visuality_properties/default_pen", "rgba_color",
                                     colours[i % colours.size()]);
            if (i % 50 == 0)
                allWritten = settings.writeApplSettings(path) && settings.readApplSettings(path, path)
                             && allWritten;
        }
        stop = true;
        loader.join();

        QCOMPARE(torn.load(), 0);
        QVERIFY(allWritten);
        QVERIFY(prompt.requests.isEmpty());
    }
};

QTEST_MAIN(SettingsConcurrencyTest)
#include "tst_settingsconcurrency.moc"
