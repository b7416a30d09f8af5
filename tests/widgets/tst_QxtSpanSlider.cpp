#include "QxtSpanSlider.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

enum Operation { SetLower, SetUpper, SetRange };

// Gives the tests the place of a handle, as the style lays it out.
class ProbedSpanSlider : public QxtSpanSlider
{
public:
    ProbedSpanSlider()
        : QxtSpanSlider(Qt::Horizontal)
    {
    }

    QPoint handleCentre(int value) const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.sliderPosition = value;
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this).center();
    }
};

QList<int> values(const QSignalSpy& spy)
{
    QList<int> result;
    for (const QList<QVariant>& arguments : spy)
        result.append(arguments.at(0).toInt());
    return result;
}

} // namespace

Q_DECLARE_METATYPE(QxtSpanSlider::HandleMovementMode)

class QxtSpanSliderTest : public QObject
{
    Q_OBJECT

private:
    struct ShownSlider {
        ProbedSpanSlider slider;
        ShownSlider(QxtSpanSlider::HandleMovementMode mode, int lower, int upper)
        {
            slider.setHandleMovementMode(mode);
            slider.setRange(0, 100);
            slider.setUpperValue(upper);
            slider.setLowerValue(lower);
            slider.resize(300, 30);
            slider.show();
        }
    };

    static QPoint at(const ProbedSpanSlider& slider, int x) { return QPoint(x, slider.height() / 2); }

private slots:
    void spanStaysOrderedAndInRange_data()
    {
        QTest::addColumn<QxtSpanSlider::HandleMovementMode>("mode");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<QList<int>>("lowerSignals");
        QTest::addColumn<QList<int>>("upperSignals");

        const auto noCrossing = QxtSpanSlider::NoCrossing;
        const auto free = QxtSpanSlider::FreeMovement;
        // Every row starts from the span [2, 5] of the range 0..10.
        QTest::newRow("lower moves") << noCrossing << int(SetLower) << 4 << 0 << 4 << 5 << QList<int>{4} << QList<int>{};
        QTest::newRow("upper moves") << noCrossing << int(SetUpper) << 9 << 0 << 2 << 9 << QList<int>{} << QList<int>{9};
        QTest::newRow("same value is no change") << noCrossing << int(SetLower) << 2 << 0 << 2 << 5 << QList<int>{}
                                                 << QList<int>{};
        QTest::newRow("lower stops at upper") << noCrossing << int(SetLower) << 8 << 0 << 5 << 5 << QList<int>{5}
                                              << QList<int>{};
        QTest::newRow("upper stops at lower") << noCrossing << int(SetUpper) << 1 << 0 << 2 << 2 << QList<int>{}
                                              << QList<int>{2};
        QTest::newRow("free lower past upper swaps") << free << int(SetLower) << 8 << 0 << 5 << 8 << QList<int>{5}
                                                     << QList<int>{8};
        QTest::newRow("free upper below lower swaps") << free << int(SetUpper) << 1 << 0 << 1 << 2 << QList<int>{1}
                                                      << QList<int>{2};
        QTest::newRow("value above the range") << noCrossing << int(SetUpper) << 50 << 0 << 2 << 10 << QList<int>{}
                                               << QList<int>{10};
        QTest::newRow("value below the range") << noCrossing << int(SetLower) << -3 << 0 << 0 << 5 << QList<int>{0}
                                               << QList<int>{};
        QTest::newRow("range shrinks under the span") << noCrossing << int(SetRange) << 0 << 4 << 2 << 4
                                                      << QList<int>{} << QList<int>{4};
        QTest::newRow("range shrinks below the span") << noCrossing << int(SetRange) << 0 << 1 << 1 << 1
                                                      << QList<int>{1} << QList<int>{1};
        QTest::newRow("range grows") << noCrossing << int(SetRange) << 0 << 1000 << 2 << 5 << QList<int>{}
                                     << QList<int>{};
        QTest::newRow("range moves up") << noCrossing << int(SetRange) << 3 << 10 << 3 << 5 << QList<int>{3}
                                        << QList<int>{};
    }

    void spanStaysOrderedAndInRange()
    {
        QFETCH(QxtSpanSlider::HandleMovementMode, mode);
        QFETCH(int, operation);
        QFETCH(int, first);
        QFETCH(int, second);

        QxtSpanSlider slider(Qt::Horizontal);
        slider.setHandleMovementMode(mode);
        slider.setRange(0, 10);
        slider.setUpperValue(5);
        slider.setLowerValue(2);
        QSignalSpy lowerSpy(&slider, &QxtSpanSlider::lowerValueChanged);
        QSignalSpy upperSpy(&slider, &QxtSpanSlider::upperValueChanged);

        switch (operation) {
        case SetLower:
            slider.setLowerValue(first);
            break;
        case SetUpper:
            slider.setUpperValue(first);
            break;
        case SetRange:
            slider.setRange(first, second);
            break;
        }

        QTEST(slider.lowerValue(), "lower");
        QTEST(slider.upperValue(), "upper");
        QTEST(values(lowerSpy), "lowerSignals");
        QTEST(values(upperSpy), "upperSignals");
    }

    void draggedHandleFollowsThePointerAndStopsAtTheOther()
    {
        ShownSlider shown(QxtSpanSlider::NoCrossing, 20, 60);
        ProbedSpanSlider& slider = shown.slider;
        QSignalSpy upperSpy(&slider, &QxtSpanSlider::upperValueChanged);

        QTest::mousePress(&slider, Qt::LeftButton, {}, slider.handleCentre(60));
        QTest::mouseMove(&slider, slider.handleCentre(40));
        QCOMPARE(slider.upperValue(), 40); // the span follows while dragging
        QCOMPARE(values(upperSpy), QList<int>{40});

        QTest::mouseMove(&slider, at(slider, 0));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, at(slider, 0));
        QCOMPARE(slider.lowerValue(), 20);
        QCOMPARE(slider.upperValue(), 20);
    }

    void freeHandleDraggedPastTheOtherCarriesOnAsIt()
    {
        ShownSlider shown(QxtSpanSlider::FreeMovement, 20, 60);
        ProbedSpanSlider& slider = shown.slider;

        QTest::mousePress(&slider, Qt::LeftButton, {}, slider.handleCentre(20));
        QTest::mouseMove(&slider, slider.handleCentre(90));
        QCOMPARE(slider.lowerValue(), 60);
        QCOMPARE(slider.upperValue(), 90);
        QTest::mouseMove(&slider, slider.handleCentre(75));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, slider.handleCentre(75));
        QCOMPARE(slider.lowerValue(), 60);
        QCOMPARE(slider.upperValue(), 75);
    }

    void handlesOnTopOfEachOtherPartTheWayThePointerGoes_data()
    {
        QTest::addColumn<int>("both");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::newRow("at the maximum, pulled down") << 100 << 70 << 70 << 100;
        QTest::newRow("at the minimum, pulled up") << 0 << 30 << 0 << 30;
        QTest::newRow("in the middle, pulled down") << 50 << 30 << 30 << 50;
        QTest::newRow("in the middle, pulled up") << 50 << 80 << 50 << 80;
    }

    void handlesOnTopOfEachOtherPartTheWayThePointerGoes()
    {
        QFETCH(int, both);
        QFETCH(int, target);
        ShownSlider shown(QxtSpanSlider::NoCrossing, both, both);
        ProbedSpanSlider& slider = shown.slider;

        QTest::mousePress(&slider, Qt::LeftButton, {}, slider.handleCentre(both));
        QTest::mouseMove(&slider, slider.handleCentre(target));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, slider.handleCentre(target));
        QTEST(slider.lowerValue(), "lower");
        QTEST(slider.upperValue(), "upper");
    }

    void pressesBesideTheHandlesChangeNothing()
    {
        ShownSlider shown(QxtSpanSlider::NoCrossing, 20, 60);
        ProbedSpanSlider& slider = shown.slider;
        QSignalSpy lowerSpy(&slider, &QxtSpanSlider::lowerValueChanged);
        QSignalSpy upperSpy(&slider, &QxtSpanSlider::upperValueChanged);

        const QPoint between = slider.handleCentre(40);
        QTest::mousePress(&slider, Qt::LeftButton, {}, between);
        QTest::mouseMove(&slider, at(slider, slider.width() - 1));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, at(slider, slider.width() - 1));
        QTest::mousePress(&slider, Qt::RightButton, {}, slider.handleCentre(60));
        QTest::mouseMove(&slider, at(slider, slider.width() - 1));
        QTest::mouseRelease(&slider, Qt::RightButton, {}, at(slider, slider.width() - 1));

        QCOMPARE(lowerSpy.count() + upperSpy.count(), 0);
    }
};

QTEST_MAIN(QxtSpanSliderTest)
#include "tst_QxtSpanSlider.moc"
