// The "Setup Step" dialog and the range check the views apply to its answer.
#include "MessageLog.h"
#include "dialogs/CSetRollStep.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace kestrova::ui;

class RollStepTest : public QObject {
    Q_OBJECT
    std::unique_ptr<kestrova::test::MessageLog> m_log;

private slots:
    void init() { m_log = std::make_unique<kestrova::test::MessageLog>(); }
    void cleanup() { m_log.reset(); }

    void opensWithTheCurrentStepAndChecksTheRange() {
        CSetRollStep dlg;
        dlg.step = 3;
        dlg.maxStep = 12;
        QString shownAtOpen;
        QTimer::singleShot(0, &dlg, [&] {
            shownAtOpen = dlg.edit()->text();
            dlg.edit()->setText(QStringLiteral("15"));
            QMetaObject::invokeMethod(&dlg, "accept");
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(shownAtOpen, QStringLiteral("3"));
        QCOMPARE(dlg.step, 15);
        QCOMPARE(CSetRollStep::acceptRollStep(nullptr, 3, dlg.step, dlg.maxStep), 3);
        QCOMPARE(m_log->texts, QStringList{QStringLiteral("Please input a num which is between 0 and 12")});
        QCOMPARE(CSetRollStep::acceptRollStep(nullptr, 3, 0, 12), 0);
        QCOMPARE(CSetRollStep::acceptRollStep(nullptr, 3, 12, 12), 12);
    }

    void anEmptyFieldBecomesZeroWhenLeft() {
        CSetRollStep dlg;
        dlg.step = 5;
        dlg.maxStep = 9;
        QTimer::singleShot(0, &dlg, [&] {
            dlg.edit()->clear();
            QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason); // towards Cancel
            QApplication::sendEvent(dlg.edit(), &leave);
            QMetaObject::invokeMethod(&dlg, "reject");
        });
        dlg.exec();
        QCOMPARE(m_log->texts, QStringList{QStringLiteral("Please input a number !")});
        QCOMPARE(dlg.edit()->text(), QStringLiteral("0"));
        QCOMPARE(dlg.step, 0);
    }

    void textThatIsNoIntegerKeepsTheDialogOpen() {
        CSetRollStep dlg;
        dlg.maxStep = 4;
        bool stillOpen = false;
        QTimer::singleShot(0, &dlg, [&] {
            dlg.edit()->setText(QStringLiteral("2a"));
            QMetaObject::invokeMethod(&dlg, "accept");
            stillOpen = dlg.isVisible();
            dlg.reject();
        });
        dlg.exec();
        QVERIFY(stillOpen);
        QCOMPARE(m_log->texts, QStringList{QStringLiteral("Enter an integer.")});
    }
};

QTEST_MAIN(RollStepTest)
#include "RollStepTest.moc"
