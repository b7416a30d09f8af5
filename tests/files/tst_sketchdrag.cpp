// The drag payload of a sketch file: its encoding, and the paths read back
// from foreign or damaged data.

#include "SketchDrag.h"

#include <QMimeData>
#include <QtTest>

#include <memory>

class TestSketchDrag : public QObject {
    Q_OBJECT

private slots:
    void dragCarriesThePathAsQtEncodesIt()
    {
        QCOMPARE(QByteArray(kSketchDragFormat), QByteArray("image/x-nivok-piece"));
        std::unique_ptr<QMimeData> data(newSketchDragData("/x"));
        QVERIFY(carriesSketch(data.get()));
        QCOMPARE(data->data("image/x-nivok-piece"), QByteArray::fromHex("00000004002f0078"));
        QCOMPARE(draggedSketchPath(data.get()), QString("/x"));
        std::unique_ptr<QMimeData> null(newSketchDragData(QString()));
        QCOMPARE(null->data("image/x-nivok-piece"), QByteArray::fromHex("ffffffff"));
        const QString sketch = QStringLiteral("/Volumes/Pen/My Sketches/\u00e9t\u00e9.wpi");
        std::unique_ptr<QMimeData> accented(newSketchDragData(sketch));
        QCOMPARE(draggedSketchPath(accented.get()), sketch);
    }

    void foreignDataCarriesNoSketch()
    {
        QMimeData foreign;
        foreign.setText("/x");
        QVERIFY(!carriesSketch(&foreign));
        QVERIFY(draggedSketchPath(&foreign).isNull());
        QVERIFY(!carriesSketch(nullptr));
    }

    void brokenDragDataGivesNoPath_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("short length") << QByteArray("\0\0", 2);
        QTest::newRow("length past the end") << QByteArray("\0\0\0\x10\0a", 6);
        QTest::newRow("huge length") << QByteArray("\x7f\xff\xff\xf0\0a", 6);
        QTest::newRow("odd length") << QByteArray("\0\0\0\3\0a\0", 7);
    }

    void brokenDragDataGivesNoPath()
    {
        QFETCH(QByteArray, payload);
        QMimeData data;
        data.setData(QString::fromLatin1(kSketchDragFormat), payload);
        QVERIFY(carriesSketch(&data));
        QCOMPARE(draggedSketchPath(&data), QString());
    }
};

QTEST_MAIN(TestSketchDrag)
#include "tst_sketchdrag.moc"
