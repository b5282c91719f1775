#include "platform/QtDesktop.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The real message boxes, headless.
class tst_QtDesktop : public QObject {
    Q_OBJECT
private slots:
    void messageBoxAnswers()
    {
        const int question = MsgBox::YesNo | MsgBox::Question;
        QCOMPARE(answer(question, Qt::Key_Return, QMessageBox::Question), int(MsgBox::Yes)); // Yes is the default
        QCOMPARE(answer(question, Qt::Key_Escape, QMessageBox::Question), int(MsgBox::No));
        QCOMPARE(answer(MsgBox::OkOnly | MsgBox::Critical, Qt::Key_Return, QMessageBox::Critical), int(MsgBox::Ok));
    }

private:
    // Shows a box and presses `key` in it, once it is up, after checking its icon.
    int answer(int style, Qt::Key key, QMessageBox::Icon icon)
    {
        QTimer::singleShot(0, this, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->icon() == icon);
            QTest::keyClick(box, key);
        });
        return QtMessageBoxes().show(QStringLiteral("Sure?"), style, QStringLiteral("Tockwell"), {});
    }
};

QTEST_MAIN(tst_QtDesktop)
#include "tst_QtDesktop.moc"
