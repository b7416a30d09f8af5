#include "ReceiverPosition.h"

#include <QTest>

// Cells: 0 ul, 1 um, 2 ur, 3 ml, 4 mr, 5 ll, 6 lm, 7 lr.
class ReceiverPositionTest : public QObject {
    Q_OBJECT

private slots:
    void aClickChoosesTheCellUnderIt_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("position");
        // A 300 x 360 picture: columns split at 100 and 200, rows at 120 and 240.
        QTest::newRow("upper left corner") << 0.0 << 0.0 << 0;
        QTest::newRow("upper middle") << 150.0 << 10.0 << 1;
        QTest::newRow("upper right") << 299.0 << 119.0 << 2;
        QTest::newRow("middle left") << 99.9 << 120.0 << 3;
        QTest::newRow("middle right") << 250.0 << 200.0 << 4;
        QTest::newRow("lower left") << 50.0 << 359.0 << 5;
        QTest::newRow("lower middle") << 150.0 << 240.0 << 6;
        QTest::newRow("lower right") << 200.0 << 300.0 << 7;
        QTest::newRow("x on the first third goes to the middle column") << 100.0 << 10.0 << 1;
        QTest::newRow("centre left of half") << 149.9 << 180.0 << 3;
        QTest::newRow("centre at half") << 150.0 << 180.0 << 4;
        QTest::newRow("below the picture, left") << 50.0 << 360.0 << 1;
        QTest::newRow("below the picture, middle") << 150.0 << 400.0 << 1;
        QTest::newRow("above the picture") << 250.0 << -1.0 << 1;
        QTest::newRow("right of the picture") << 300.0 << 10.0 << 1;
        QTest::newRow("left of the picture") << -0.5 << 300.0 << 1;
    }

    void aClickChoosesTheCellUnderIt()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, position);
        QCOMPARE(ReceiverPosition::positionAt(x, y, 300, 360), position);
    }

    void thirdsOfSizesThatDoNotDivideEvenly()
    {
        // 100 / 3 = 33.33...: 33 is still the left column, 34 the middle.
        QCOMPARE(ReceiverPosition::positionAt(33, 0, 100, 100), 0);
        QCOMPARE(ReceiverPosition::positionAt(34, 0, 100, 100), 1);
        QCOMPARE(ReceiverPosition::positionAt(66, 0, 100, 100), 1);
        QCOMPARE(ReceiverPosition::positionAt(67, 0, 100, 100), 2);
    }

    void anglesAndPictureLetters_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("letters");
        const char* const letters[] = {"ul", "um", "ur", "ml", "mr", "ll", "lm", "lr"};
        const char* const angles[] = {"-45", "0", "45", "-90", "90", "-135", "180", "135"};
        for (int position = 0; position < 8; ++position)
            QTest::addRow("%s", letters[position])
                << position << QString(angles[position]) << QString(letters[position]);
    }

    void anglesAndPictureLetters()
    {
        QFETCH(int, position);
        QFETCH(QString, angle);
        QFETCH(QString, letters);
        QCOMPARE(ReceiverPosition::angleText(position), angle);
        QCOMPARE(ReceiverPosition::letters(position), letters);
        QCOMPARE(ReceiverPosition::getRposViaAngle(angle.toInt()), position);
    }

    void unknownAnglesAndCodes()
    {
        for (int angle : {30, -180, 360, 1, -1})
            QCOMPARE(ReceiverPosition::getRposViaAngle(angle), ReceiverPosition::Unknown);
        for (int position : {ReceiverPosition::Unknown, 8, 100}) {
            QCOMPARE(ReceiverPosition::angleText(position), QString("0"));
            QCOMPARE(ReceiverPosition::letters(position), QString("um"));
        }
    }
};

QTEST_APPLESS_MAIN(ReceiverPositionTest)
#include "tst_ReceiverPosition.moc"
