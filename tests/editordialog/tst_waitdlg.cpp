#include "QWaitForDlg.h"

#include <QCloseEvent>
#include <QTest>
#include <QTimer>

// The loading wait: nothing the user does ends it, only finishWait().
class TestWaitDlg : public QObject
{
    Q_OBJECT

private slots:
    void onlyFinishEndsTheWait();
    void setUp();
};

void TestWaitDlg::onlyFinishEndsTheWait()
{
    QWidget owner;
    owner.show();
    QWaitForDlg wait(&owner);
    QList<QString> steps;
    QTimer::singleShot(50, &wait, [&] {
        QTest::keyClick(&wait, Qt::Key_Escape);
        steps << (wait.isVisible() ? "escape ignored" : "escape closed");
        wait.reject();
        steps << (wait.isVisible() ? "reject ignored" : "reject closed");
        QCloseEvent request;
        QApplication::sendEvent(&wait, &request);
        steps << (request.isAccepted() || !wait.isVisible() ? "close accepted" : "close ignored");
        wait.close();
        steps << (wait.isVisible() ? "close() ignored" : "close() closed");
        wait.finishWait();
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &wait, &QWaitForDlg::finishWait);
    guard.start(20000);
    wait.exec();
    QVERIFY(guard.isActive());
    QCOMPARE(steps, (QList<QString>{"escape ignored", "reject ignored", "close ignored", "close() ignored"}));
    QVERIFY(!wait.isVisible());
}

void TestWaitDlg::setUp()
{
    QWaitForDlg wait;
    QCOMPARE(wait.windowTitle(), QStringLiteral("Loading"));
    QVERIFY(wait.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(wait.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(wait.size(), QSize(266, 241));
}

QTEST_MAIN(TestWaitDlg)
#include "tst_waitdlg.moc"
