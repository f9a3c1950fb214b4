// Arrows and captions of the editor's combo boxes and the tab bar sit in the
// middle of their boxes, measured on the drawn pixels.
#include "QAdjustOperationForm.h"
#include "QAudioOperationForm.h"
#include "QCaptureSettingDlg.h"
#include "QCheckboxCombobox.h"
#include "QSubtitleOperationForm.h"
#include "QTrimOperationForm.h"
#include "QVelBaseButton.h"
#include "QVelComboBox.h"
#include "QVideoEditTag.h"

#include <QTest>

#include <functional>
#include <memory>

namespace {

// The vertical centre of the light pixels (text and arrow are light on a dark
// field) within the columns [from, to); negative when there are none.
double inkCentre(const QImage& image, int from, int to)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = qMax(0, from); x < qMin(image.width(), to); ++x) {
            if (qGray(image.pixel(x, y)) > 150) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? -1.0 : (top + bottom) / 2.0;
}

QImage grabbed(QWidget* widget)
{
    return widget->grab().toImage().scaled(widget->size());
}

using Combo = std::function<QVelComboBox*(std::unique_ptr<QWidget>&)>;

// The combo box named by member of a new Owner (the member may sit in its form base).
template <typename Owner, typename Form, typename Box>
Combo comboOf(Box* Form::*member)
{
    return [member](std::unique_ptr<QWidget>& owner) -> QVelComboBox* {
        auto* widget = new Owner;
        owner.reset(widget);
        return static_cast<Form*>(widget)->*member;
    };
}

} // namespace

Q_DECLARE_METATYPE(Combo)

class TestCentring : public QObject
{
    Q_OBJECT

private slots:
    void comboArrowAndCaption_data();
    void comboArrowAndCaption();
    void tabCaptions();
};

void TestCentring::comboArrowAndCaption_data()
{
    QTest::addColumn<Combo>("combo");
    QTest::newRow("aspect ratio") << comboOf<QAdjustOperationForm>(&QAdjustOperationForm::m_cbbAspectRatio);
    QTest::newRow("snapshot format") << comboOf<QCaptureSettingDlg>(&QCaptureSettingDlg::m_cmbFormat);
    QTest::newRow("sound track") << comboOf<QAudioOperationForm>(&QAudioOperationForm::m_cbbAudioList);
    QTest::newRow("subtitle track") << comboOf<QSubtitleOperationForm>(&QSubtitleOperationForm::m_cbbSubtitleList);
    QTest::newRow("segment chooser") << comboOf<QTrimOperationForm>(&QTrimOperationForm::m_cbbChater);
}

void TestCentring::comboArrowAndCaption()
{
    QFETCH(Combo, combo);
    std::unique_ptr<QWidget> owner;
    QVelComboBox* box = combo(owner);
    if (box->count() == 0)
        box->addItem(QStringLiteral("1: AAC, 44100 Hz, stereo"));
    box->setCurrentIndex(0);
    if (auto* tracks = qobject_cast<QCheckboxCombobox*>(box))
        tracks->setCheckState(0, true);
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner.get()));
    const QImage image = grabbed(box);
    const double middle = (image.height() - 1) / 2.0;
    const double arrow = inkCentre(image, image.width() - 22, image.width());
    const double caption = inkCentre(image, 3, image.width() - 24);
    QVERIFY2(arrow >= 0 && caption >= 0, qPrintable(QStringLiteral("%1 %2").arg(arrow).arg(caption)));
    QVERIFY2(qAbs(arrow - middle) <= 1.0, qPrintable(QStringLiteral("arrow %1, middle %2").arg(arrow).arg(middle)));
    QVERIFY2(qAbs(caption - middle) <= 2.0,
             qPrintable(QStringLiteral("caption %1, middle %2").arg(caption).arg(middle)));
    // The arrow keeps clear of the right edge.
    const QImage edge = image.copy(image.width() - 2, 0, 2, image.height());
    QCOMPARE(inkCentre(edge, 0, 2), -1.0);
}

void TestCentring::tabCaptions()
{
    QVideoEditTag bar;
    bar.createTag({"Trim", "Adjust", "Effect", "Watermark", "Subtitle", "Audio", "Tag"});
    // The selected tab's underline is as light as a caption: measure the others.
    bar.setSelectedTag(6);
    bar.resize(826, 25);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    for (QVelBaseButton* tab : bar.buttons().mid(0, 6)) {
        const QImage image = grabbed(tab);
        const double caption = inkCentre(image, 4, image.width() - 4);
        const double middle = (image.height() - 1) / 2.0;
        QVERIFY2(qAbs(caption - middle) <= 2.0,
                 qPrintable(QStringLiteral("%1: caption %2, middle %3").arg(tab->text()).arg(caption).arg(middle)));
    }
}

QTEST_MAIN(TestCentring)
#include "tst_centring.moc"
