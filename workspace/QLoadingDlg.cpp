#include "QLoadingDlg.h"

#include "QIAnyUtil.h"
#include "QImageButton.h"

#include <QFontMetrics>

namespace {
QString res(const char *name) { return QIAnyUtil::getResourcePath() + QLatin1String(name); }
}

QLoadingDlg::QLoadingDlg(QWidget *parent) : QNinePointsImageDialog(parent)
{
    setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    setBackgroundImage(res("/image/Common_bg/bg_2.png"), false);
    setLogoRect(QRect());
    setTitleRect(QRect());
    setTextPixelSize(11);
    setTextColor(QColor(245, 245, 245));
    setMoveTop(26);
    const rectSize corner{80, 80};
    setGridViewInfo(corner, corner, corner, corner);
    setFixedSize(440, 170);

    addCloseBtn(res("/image/btn_close.png"), true);
    m_btnCancel->setBtnImageAndText(res("/image/Common_bg/btn_common.png"), tr("Stop"), 9);
    m_btnCancel->move(315, 130);
    closeButton()->move(12, 9);
    addMinBtn(res("/image/btn_min.png"), true);
    addMaxBtn(res("/image/btn_max.png"), true);

    const QColor caption(55, 55, 55);
    m_btnCancel->setTextColor(caption, caption, caption, caption);
    m_btnCancel->setTextPixelSize(11);
    QFont labelFont(QStringLiteral("Tahoma"));
    labelFont.setPointSize(11);
    for (QLabel *label : {m_labAddingPath, m_labAdded, m_labAddingPath_2, m_labAdded_2}) {
        label->setFont(labelFont);
        QPalette pal = label->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, QPalette::WindowText, QColor(228, 228, 228));
        label->setPalette(pal);
    }

    m_progressBar->setBottomImage(res("/image/PlayDlg/loading_trake.png"));
    m_progressBar->setTopImage(res("/image/PlayDlg/loading_trake2.png"));
    m_progressBar->setCircle(true);
    m_progressBar->setCircleLenght(7);
    m_progressBar->setEnabledPull(false);
    m_progressBar->move(30, 95);
    m_progressBar->setValue(50);
    m_progressBar->setFixedWidth(380);

    m_labAddingPath->setText(tr("Adding File:"));
    m_labAdded->setText(tr("Added:"));
    m_labAddingPath->adjustSize();
    m_labAdded->adjustSize();

    connect(closeButton(), &QPushButton::clicked, this, &QLoadingDlg::OnCloseStop);
    connect(m_btnCancel, &QPushButton::clicked, this, &QLoadingDlg::OnCloseStop);
}

QLoadingDlg::~QLoadingDlg() = default;

void QLoadingDlg::setAddFilePath(QString path)
{
    m_addingPath = path;
    showAddingPath();
}

// A long path loses its middle, not its end: the file name is what tells the
// user which file is being added. The whole path stays in the tool tip.
void QLoadingDlg::showAddingPath()
{
    const QFontMetrics metrics(m_labAddingPath_2->font());
    m_labAddingPath_2->setText(metrics.elidedText(m_addingPath, Qt::ElideMiddle, m_labAddingPath_2->width()));
    m_labAddingPath_2->setToolTip(m_addingPath);
}

void QLoadingDlg::setAddCount(QString count) { m_labAdded_2->setText(count); }

void QLoadingDlg::setProgressVale(float percent) { m_progressBar->setValue(percent); }

void QLoadingDlg::OnCloseStop()
{
    close();
    emit seedStopAddFile();
}

void QLoadingDlg::resizeEvent(QResizeEvent *event)
{
    QNinePointsImageDialog::resizeEvent(event);
    const int W = width();
    m_btnCancel->move(W - 30 - m_btnCancel->width(), 130);
    m_labAddingPath->move(30, 45);
    const int pathLeft = m_labAddingPath->x() + m_labAddingPath->width() - 1 + 5;
    m_labAddingPath_2->setGeometry(QRect(QPoint(pathLeft, 45), QPoint(W - 26, 59)));
    if (!m_addingPath.isEmpty())
        showAddingPath();
    m_labAdded->move(30, 70);
    const int addedRight = m_labAdded->x() + m_labAdded->width() - 1;
    m_labAdded_2->setGeometry(QRect(QPoint(addedRight + 5, 70), QPoint(addedRight + 54, 84)));
}
