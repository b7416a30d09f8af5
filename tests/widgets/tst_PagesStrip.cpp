#include "PagesStrip.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

using Emission = QPair<unsigned, unsigned>;

QList<Emission> emissions(const QSignalSpy& spy)
{
    QList<Emission> result;
    for (const QList<QVariant>& arguments : spy)
        result.append({arguments.at(0).toUInt(), arguments.at(1).toUInt()});
    return result;
}

} // namespace

class PagesStripTest : public QObject
{
    Q_OBJECT

private:
    static QToolButton* button(PagesStrip& strip, const char* name)
    {
        return strip.findChild<QToolButton*>(QString::fromLatin1(name));
    }
    static QSpinBox* spinBox(PagesStrip& strip) { return strip.findChild<QSpinBox*>(QStringLiteral("spinBox")); }
    static QString label(PagesStrip& strip)
    {
        return strip.findChild<QLabel*>(QStringLiteral("lblFilesCountInfo"))->text();
    }

private slots:
    void initTestCase() { Q_INIT_RESOURCE(widgets); }

    void formHasItsControlsAndIcons()
    {
        PagesStrip strip;
        QCOMPARE(strip.objectName(), QStringLiteral("PagesStripClass"));
        QCOMPARE(strip.minimumSize(), QSize(250, 26));
        QCOMPARE(strip.maximumSize(), QSize(280, 26));
        QCOMPARE(label(strip), QStringLiteral("N-M/TOTAL"));
        for (const char* name : {"btnFirst", "btnPrev", "btnNext", "btnLast"}) {
            QToolButton* tool = button(strip, name);
            QVERIFY2(tool, name);
            QVERIFY2(!tool->icon().isNull(), name);
            QCOMPARE(tool->size(), QSize(24, 24));
        }
        QCOMPARE(spinBox(strip)->buttonSymbols(), QAbstractSpinBox::NoButtons);
    }

    void buttonsStepThroughThePages()
    {
        PagesStrip strip;
        QSignalSpy spy(&strip, &PagesStrip::pageSelectionChange);
        strip.setControlData(0, 50, 120);
        QCOMPARE(label(strip), QStringLiteral("0-50/120"));
        QCOMPARE(strip.pageCount(), 3u);
        QCOMPARE(strip.currentPage(), 1u);
        QCOMPARE(spinBox(strip)->maximum(), 3);

        struct Step {
            const char* button;
            QList<Emission> emitted;
            unsigned pageAfter;
        };
        const Step steps[] = {
            {"btnPrev", {}, 1},       {"btnFirst", {}, 1},       {"btnNext", {{2, 1}}, 2},
            {"btnPrev", {{1, 2}}, 1}, {"btnLast", {{3, 1}}, 3},  {"btnNext", {}, 3},
            {"btnLast", {}, 3},       {"btnPrev", {{2, 3}}, 2},  {"btnFirst", {{1, 2}}, 1},
        };
        for (const Step& step : steps) {
            spy.clear();
            button(strip, step.button)->click();
            QCOMPARE(emissions(spy), step.emitted);
            QCOMPARE(strip.currentPage(), step.pageAfter);
            QCOMPARE(spinBox(strip)->value(), int(step.pageAfter));
        }
    }

    void emptyFolderOrNoRangeLeavesButtonsIdle()
    {
        PagesStrip fresh;
        PagesStrip empty;
        empty.setControlData(0, 0, 0);
        QCOMPARE(empty.pageCount(), 0u);
        QCOMPARE(spinBox(empty)->minimum(), 1);
        QCOMPARE(spinBox(empty)->maximum(), 1);
        for (PagesStrip* strip : {&fresh, &empty}) {
            QSignalSpy spy(strip, &PagesStrip::pageSelectionChange);
            for (const char* name : {"btnFirst", "btnPrev", "btnNext", "btnLast"})
                button(*strip, name)->click();
            QCOMPARE(spy.count(), 0);
        }
    }

    void laterRangeKeepsThePageAndNewFolderResetsIt()
    {
        PagesStrip strip;
        strip.setControlData(0, 50, 120);
        button(strip, "btnNext")->click();
        strip.setControlData(50, 100, 120);
        QCOMPARE(label(strip), QStringLiteral("50-100/120"));
        QCOMPARE(strip.currentPage(), 2u);
        QCOMPARE(spinBox(strip)->value(), 2);

        strip.setControlData(0, 50, 51);
        QCOMPARE(strip.currentPage(), 1u);
        QCOMPARE(strip.pageCount(), 2u);
    }

    void returnInTheSpinBoxJumpsToTheTypedPage()
    {
        PagesStrip strip;
        strip.setControlData(0, 50, 120);
        QSignalSpy spy(&strip, &PagesStrip::pageSelectionChange);
        QSpinBox* spin = spinBox(strip);
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("3"));
        QCOMPARE(spin->value(), 3);

        QTest::keyRelease(spin, Qt::Key_Tab);
        QCOMPARE(spy.count(), 0);
        QTest::keyRelease(spin, Qt::Key_Return);
        QCOMPARE(emissions(spy), QList<Emission>({{3, 1}}));
        QCOMPARE(strip.currentPage(), 3u);
        QTest::keyRelease(spin, Qt::Key_Enter);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(PagesStripTest)
#include "tst_PagesStrip.moc"
