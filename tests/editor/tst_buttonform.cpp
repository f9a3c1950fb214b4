// The Reset / Apply to all block: centred placement, texts translated in the
// code's context, one signal per click.
#include "QCommonButtonForm.h"
#include "QVelBaseButton.h"

#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

namespace {
// Translates every text of one context by upper-casing it.
class ContextTranslator : public QTranslator
{
public:
    explicit ContextTranslator(const char* context) : m_context(context) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, m_context) == 0 ? QString::fromUtf8(source).toUpper() : QString();
    }

private:
    const char* m_context;
};
}

class tst_ButtonForm : public QObject
{
    Q_OBJECT

private slots:
    void buttonsCentredAsAPair_data();
    void buttonsCentredAsAPair();
    void textsComeFromTheCodesContext_data();
    void textsComeFromTheCodesContext();
    void oneSignalPerClick();
};

void tst_ButtonForm::buttonsCentredAsAPair_data()
{
    QTest::addColumn<QSize>("block");
    QTest::addColumn<QPoint>("reset");
    QTest::addColumn<QPoint>("applyToAll");
    QTest::newRow("panel block") << QSize(121, 141) << QPoint(5, 43) << QPoint(5, 74);
    QTest::newRow("form size") << QSize(400, 300) << QPoint(145, 123) << QPoint(145, 154);
    QTest::newRow("too small, clipped") << QSize(50, 20) << QPoint(-30, -17) << QPoint(-30, 14);
}

void tst_ButtonForm::buttonsCentredAsAPair()
{
    QFETCH(QSize, block);
    QFETCH(QPoint, reset);
    QFETCH(QPoint, applyToAll);
    QCommonButtonForm form;
    form.resize(block);
    form.show();
    auto* resetButton = form.findChild<QVelBaseButton*>(QStringLiteral("m_btnReset"));
    auto* applyButton = form.findChild<QVelBaseButton*>(QStringLiteral("m_btnApplyToAll"));
    QVERIFY(resetButton && applyButton);
    QTRY_COMPARE(resetButton->pos(), reset);
    QCOMPARE(applyButton->pos(), applyToAll);
    QCOMPARE(resetButton->size(), QSize(110, 22));
    QCOMPARE(applyButton->size(), QSize(110, 22));
}

void tst_ButtonForm::textsComeFromTheCodesContext_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("reset");
    QTest::addColumn<QString>("applyToAll");
    QTest::newRow("none") << QString() << "Reset" << "Apply to all";
    QTest::newRow("form context only") << "QCommonButtonForm" << "Reset" << "Apply to all";
    QTest::newRow("code context") << "QObject" << "RESET" << "APPLY TO ALL";
}

void tst_ButtonForm::textsComeFromTheCodesContext()
{
    QFETCH(QString, context);
    QFETCH(QString, reset);
    QFETCH(QString, applyToAll);
    const QByteArray name = context.toLatin1();
    ContextTranslator translator(name.constData());
    if (!context.isEmpty())
        QCoreApplication::installTranslator(&translator);
    QCommonButtonForm form;
    QCoreApplication::removeTranslator(&translator);
    auto* resetButton = form.findChild<QVelBaseButton*>(QStringLiteral("m_btnReset"));
    auto* applyButton = form.findChild<QVelBaseButton*>(QStringLiteral("m_btnApplyToAll"));
    QCOMPARE(resetButton->text(), reset);
    QCOMPARE(resetButton->toolTip(), reset);
    QCOMPARE(applyButton->text(), applyToAll);
    QCOMPARE(applyButton->toolTip(), applyToAll);
}

void tst_ButtonForm::oneSignalPerClick()
{
    QCommonButtonForm form;
    form.resize(121, 141);
    form.show();
    QSignalSpy reset(&form, &QCommonButtonForm::emitReset);
    QSignalSpy applyToAll(&form, &QCommonButtonForm::emitApplyToAll);
    auto* resetButton = form.findChild<QVelBaseButton*>(QStringLiteral("m_btnReset"));
    auto* applyButton = form.findChild<QVelBaseButton*>(QStringLiteral("m_btnApplyToAll"));
    QTest::mouseClick(resetButton, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(applyToAll.count(), 0);
    QTest::mouseClick(applyButton, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(applyToAll.count(), 1);
}

QTEST_MAIN(tst_ButtonForm)
#include "tst_buttonform.moc"
