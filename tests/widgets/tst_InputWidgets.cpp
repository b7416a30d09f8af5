#include "BlockingSpinBox.h"
#include "KeyboardTrackingSlider.h"
#include "LimitedInputDialog.h"
#include "WhenModal.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(Qt::TransformationMode)

namespace {

enum SliderEventKind { MouseRelease, Wheel, Leave, KeyRelease };

} // namespace

class InputWidgetsTest : public QObject
{
    Q_OBJECT

private:
    static QLineEdit* lineEdit(LimitedInputDialog& dialog) { return dialog.findChild<QLineEdit*>(); }

private slots:
    void spinBoxReportsWhenItHoldsTheFocus()
    {
        BlockingSpinBox spin;
        QSignalSpy spy(&spin, &BlockingSpinBox::enableEnterKeyHandling);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&spin, &focusIn);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&spin, &focusOut);

        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QCOMPARE(spy.at(1).at(0).toBool(), true);
    }

    void sliderReportsFinishedMoves_data()
    {
        QTest::addColumn<int>("eventKind");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("reported");
        QTest::addColumn<Qt::TransformationMode>("mode");
        QTest::newRow("mouse released") << int(MouseRelease) << 0 << true << Qt::SmoothTransformation;
        QTest::newRow("wheel step") << int(Wheel) << 0 << true << Qt::FastTransformation;
        QTest::newRow("pointer left") << int(Leave) << 0 << true << Qt::SmoothTransformation;
        QTest::newRow("left arrow") << int(KeyRelease) << int(Qt::Key_Left) << true << Qt::SmoothTransformation;
        QTest::newRow("up arrow") << int(KeyRelease) << int(Qt::Key_Up) << true << Qt::SmoothTransformation;
        QTest::newRow("right arrow") << int(KeyRelease) << int(Qt::Key_Right) << true << Qt::SmoothTransformation;
        QTest::newRow("down arrow") << int(KeyRelease) << int(Qt::Key_Down) << true << Qt::SmoothTransformation;
        QTest::newRow("page up") << int(KeyRelease) << int(Qt::Key_PageUp) << false << Qt::SmoothTransformation;
        QTest::newRow("letter") << int(KeyRelease) << int(Qt::Key_A) << false << Qt::SmoothTransformation;
    }

    void sliderReportsFinishedMoves()
    {
        QFETCH(int, eventKind);
        QFETCH(int, key);
        QFETCH(bool, reported);
        QFETCH(Qt::TransformationMode, mode);

        KeyboardTrackingSlider slider(Qt::Horizontal);
        slider.setRange(120, 420);
        slider.setSingleStep(5);
        slider.setValue(270);
        QSignalSpy spy(&slider, &KeyboardTrackingSlider::sliderEvent);

        switch (eventKind) {
        case MouseRelease: {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&slider, &release);
            break;
        }
        case Wheel: {
            QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(&slider, &wheel);
            // The value reported is the one before the step.
            QVERIFY(slider.value() != 270);
            break;
        }
        case Leave: {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&slider, &leave);
            break;
        }
        case KeyRelease:
            QTest::keyRelease(&slider, Qt::Key(key));
        }

        QCOMPARE(spy.count(), reported ? 1 : 0);
        if (reported) {
            QCOMPARE(spy.first().at(0).toInt(), 270);
            QCOMPARE(spy.first().at(1).value<Qt::TransformationMode>(), mode);
        }
    }

    void dialogIsTitledAndLabelled()
    {
        QWidget parent;
        LimitedInputDialog dialog(&parent, QStringLiteral("Layer name:"), 20);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Scrivet Dravello"));
        QCOMPARE(dialog.labelText(), QStringLiteral("Layer name:"));
        QCOMPARE(dialog.textValue(), QString());
        QCOMPARE(dialog.textEchoMode(), QLineEdit::Normal);
        QVERIFY(parent.testAttribute(Qt::WA_AlwaysShowToolTips));
    }

    void dialogCutsLongTextAndSaysSoUntilItFits()
    {
        QWidget parent;
        LimitedInputDialog dialog(&parent, QStringLiteral("Layer name:"), 20);
        QLineEdit* edit = lineEdit(dialog);
        QVERIFY(edit);

        edit->insert(QStringLiteral("abcdefghijklmnopqrstuvwxy")); // a paste of 25 characters
        QCOMPARE(dialog.textValue(), QStringLiteral("abcdefghijklmnopqrst"));
        QCOMPARE(dialog.toolTip(), QStringLiteral("String is too long"));

        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(dialog.textValue(), QStringLiteral("abcdefghijklmnopqrs"));
        QCOMPARE(dialog.toolTip(), QString());
    }

    void dialogNeverSplitsACharacterOutsideTheBasicPlane()
    {
        QWidget parent;
        LimitedInputDialog dialog(&parent, QStringLiteral("File tag:"), 4);
        const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // one character, two UTF-16 units
        lineEdit(dialog)->insert(QStringLiteral("abc") + clef + QStringLiteral("d"));
        QCOMPARE(dialog.textValue(), QStringLiteral("abc"));
        QCOMPARE(dialog.toolTip(), QStringLiteral("String is too long"));
    }

    // The layer-name, tag and rename dialogs leave the window frame room for
    // their whole title beside its icon and three buttons.
    void nameDialogsShowTheirWholeTitle()
    {
        QWidget parent;
        int askedWidth = 0;
        QString askedTitle;
        testsupport::whenModal<QInputDialog>([&](QInputDialog* dialog) {
            askedWidth = dialog->width();
            askedTitle = dialog->windowTitle();
            dialog->reject();
        });
        QCOMPARE(askLine(&parent, QStringLiteral("Rename file:"), QStringLiteral("a")), QString());

        LimitedInputDialog limited(&parent, QStringLiteral("Layer name:"), 20);
        limited.show();
        QVERIFY(QTest::qWaitForWindowExposed(&limited));

        QFont bold = limited.font();
        bold.setBold(true);
        const int needed = QFontMetrics(bold).horizontalAdvance(QStringLiteral("Scrivet Dravello")) + 150;
        QCOMPARE(askedTitle, QStringLiteral("Scrivet Dravello"));
        QVERIFY2(askedWidth >= needed, qPrintable(QString::number(askedWidth)));
        QVERIFY2(limited.width() >= needed, qPrintable(QString::number(limited.width())));
    }

    void dialogWithoutParentStillWorks()
    {
        LimitedInputDialog dialog(nullptr, QStringLiteral("Layer name:"), 3);
        lineEdit(dialog)->insert(QStringLiteral("abcd"));
        QCOMPARE(dialog.textValue(), QStringLiteral("abc"));
    }
};

QTEST_MAIN(InputWidgetsTest)
#include "tst_InputWidgets.moc"
