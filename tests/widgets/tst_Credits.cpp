#include "CoolWidget.h"
#include "CreditsAnimation.h"
#include "CreditsDialog.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

using Cue = CreditsAnimation::Cue;

const QString longLine = QString(70, QLatin1Char('x'));

CreditsAnimation animationWith(const QString& first, const QString& second, const QString& third)
{
    return CreditsAnimation({first, second, third});
}

// Takes `steps` ticks and gives the cue of the last one.
Cue advance(CreditsAnimation& animation, int steps)
{
    Cue cue = Cue::None;
    for (int i = 0; i < steps; ++i)
        cue = animation.advance();
    return cue;
}

} // namespace

Q_DECLARE_METATYPE(CreditsAnimation::Cue)

class CreditsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(widgets); }

    void linesAreSpelledOutOnePerSixtyTicks_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("steps");
        QTest::addColumn<Cue>("cue");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("base");
        const QColor blue(31, 55, 229);
        const QColor green(180, 229, 31);
        const QColor cyan(110, 214, 244);

        QTest::newRow("first letter") << "Ada" << "Bob" << 1 << Cue::ShowFirst << "A" << blue;
        QTest::newRow("whole short line") << "Ada" << "Bob" << 3 << Cue::None << "Ada" << blue;
        QTest::newRow("short line stays") << "Ada" << "Bob" << 59 << Cue::None << "Ada" << blue;
        QTest::newRow("long first line cut at 59") << longLine << "Bob" << 59 << Cue::None << QString(59, 'x') << blue;
        QTest::newRow("second line starts afresh") << longLine << "Bob" << 60 << Cue::ShowSecond << "B" << green;
        QTest::newRow("long second line cut at 60") << "Ada" << longLine << 119 << Cue::None << QString(60, 'x')
                                                    << green;
        QTest::newRow("third line starts") << "Ada" << "Bob" << 120 << Cue::ShowThird << "C" << cyan;
        QTest::newRow("third line ends") << "Ada" << "Bob" << 179 << Cue::None << "Cy" << cyan;
    }

    void linesAreSpelledOutOnePerSixtyTicks()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, steps);
        CreditsAnimation animation = animationWith(first, second, QStringLiteral("Cy"));

        QTEST(advance(animation, steps), "cue");
        QTEST(animation.text(), "text");
        QTEST(animation.baseColor(), "base");
    }

    void animationEndsAfter180TicksAndCuesEachLineOnce()
    {
        CreditsAnimation animation = animationWith("Ada", "Bob", "Cy");
        QList<QPair<int, Cue>> cues;
        for (int step = 1; step <= CreditsAnimation::finalStep; ++step) {
            const Cue cue = animation.advance();
            if (cue != Cue::None)
                cues.append({step, cue});
        }
        const QList<QPair<int, Cue>> expected{
            {1, Cue::ShowFirst}, {60, Cue::ShowSecond}, {120, Cue::ShowThird}, {180, Cue::Finished}};
        QCOMPARE(cues, expected);
        QCOMPARE(animation.step(), 0);
    }

    void lettersFadeAndBobAlongTheWave_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("letter");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("lift"); // for a font 60 pixels high
        QTest::newRow("first letter, step 4") << 4 << 0 << QColor(31, 55, 229, 246) << 10;
        QTest::newRow("third letter, step 4") << 4 << 2 << QColor(43, 51, 229, 244) << 7;
        QTest::newRow("trough of the wave") << 12 << 0 << QColor(31, 55, 229, 238) << -10;
        QTest::newRow("wave wraps round") << 17 << 0 << QColor(31, 55, 229, 249) << 3;
        QTest::newRow("red saturates") << 60 << 20 << QColor(255, 189, 31, 250) << 0;
        QTest::newRow("green bottoms out") << 120 << 120 << QColor(255, 0, 244, 250) << 0;
    }

    void lettersFadeAndBobAlongTheWave()
    {
        QFETCH(int, steps);
        QFETCH(int, letter);
        CreditsAnimation animation = animationWith(longLine, longLine, longLine);
        advance(animation, steps);
        QTEST(animation.letterColor(letter), "color");
        QTEST(animation.letterLift(letter, 60), "lift");
    }

    void panelPlaysOnceThenGivesWayToTheCreditsBox()
    {
        Dialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Credits"));
        QCOMPARE(dialog.size(), QSize(400, 350));
        dialog.show();
        auto* animation = dialog.findChild<CoolWidget*>();
        QVERIFY(animation);
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(animation);
        QCOMPARE(timers.size(), 1);
        QCOMPARE(timers.first().interval, 60);

        const QString picture = QStringLiteral("border-image: url(:/misc/Resources/miscell/Penguins%1.png)");
        QCOMPARE(dialog.styleSheet(), picture.arg(1));
        const QList<QPair<int, int>> pictureAfterStep{{1, 3}, {59, 3}, {60, 2}, {119, 2}, {120, 1}, {179, 1}};
        int step = 0;
        for (const auto& [untilStep, number] : pictureAfterStep) {
            for (; step < untilStep; ++step) {
                QTimerEvent tick(timers.first().timerId);
                QApplication::sendEvent(animation, &tick);
            }
            QCOMPARE(dialog.styleSheet(), picture.arg(number));
        }

        QString boxTitle;
        QString boxText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxTitle = box->windowTitle();
            boxText = box->informativeText();
            box->close();
        });
        QTimerEvent lastTick(timers.first().timerId);
        QApplication::sendEvent(animation, &lastTick);

        QCOMPARE(boxTitle, QStringLiteral("Credits"));
        QVERIFY(boxText.startsWith(QStringLiteral("<p>This software written by</p>")));
        QVERIFY(boxText.contains(QStringLiteral("mailto:")));
        QVERIFY(!dialog.isVisible());
        QVERIFY(animation->isHidden());
        QVERIFY(QAbstractEventDispatcher::instance()->registeredTimers(animation).isEmpty());
    }
};

QTEST_MAIN(CreditsTest)
#include "tst_Credits.moc"
