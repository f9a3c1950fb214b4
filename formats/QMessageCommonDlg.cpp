#include "QMessageCommonDlg.h"

#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QTextImageButton.h"

#include <QDesktopServices>
#include <QUrl>

QMessageCommonDlg::QMessageCommonDlg(QWidget* parent)
    : QNinePointsImageDialog(parent)
{
    setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setBackgroundImage(QIAnyUtil::getResourcePath() + "/image/Common_bg/bg_2.png", false);
    setTitleRect(QRect(0, 5, 0, 0));
    setTextPixelSize(12);
    setTitle("Zededera Raziz Azodor");
    setTextColor(QColor(245, 245, 245));
    setMoveTop(26);
    setGridViewInfo({80, 80}, {80, 80}, {80, 80}, {80, 80});
    setFixedSize(380, 170);
    InitCtrl();
}

QMessageCommonDlg::~QMessageCommonDlg() = default;

QString QMessageCommonDlg::siteAddress()
{
    // No trailing slash: the link's markup leaves the address unquoted, and a
    // final "/" would close the anchor before its text, leaving an unstyled,
    // dark address on the dark ground.
    return "https://www.zededera-raziz-azodor.example";
}

void QMessageCommonDlg::InitCtrl()
{
    const QString res = QIAnyUtil::getResourcePath();
    m_btnOk->setBtnImageAndText(res + "/image/Common_bg/btn_common.png", QObject::tr("OK"), 12);
    m_btnOk->setTextColor(QColor(55, 55, 55), QColor(55, 55, 55), QColor(55, 55, 55), QColor(55, 55, 55));
    connect(m_btnOk, &QAbstractButton::clicked, this, &QDialog::accept);

    addCloseBtn(res + "/image/btn_close.png", true);
    connect(closeButton(), &QAbstractButton::clicked, this, &QWidget::close);
    closeButton()->move(12, 9);
    addMinBtn(res + "/image/btn_min.png", true);
    addMaxBtn(res + "/image/btn_max.png", true);

    QFont font = m_labMsg->font();
    font.setFamily("Tahoma");
    font.setPixelSize(13);
    m_labMsg->setFont(font);
    m_labLink->setFont(font);
    QPalette palette = m_labMsg->palette();
    palette.setColor(QPalette::WindowText, QColor(228, 228, 228));
    m_labMsg->setPalette(palette);

    m_labLink->setText(QString("<style> a {text-decoration: 1} </style> <a style='color: #ff9c9c;' href = %1> %2</a>")
                           .arg(siteAddress(), siteAddress()));
    m_labLink->adjustSize();
    connect(m_labLink, &QLabel::linkActivated, this, &QMessageCommonDlg::OnClickLink);
}

void QMessageCommonDlg::setMsgText(QString text)
{
    m_labMsg->setText(text);
    m_labMsg->adjustSize();
}

void QMessageCommonDlg::OnClickLink(QString)
{
    QDesktopServices::openUrl(QUrl(siteAddress()));
}

void QMessageCommonDlg::showEvent(QShowEvent* event)
{
    QNinePointsImageDialog::showEvent(event);
    const int w = width();
    const int h = height();
    m_labMsg->move((w - m_labMsg->width()) / 2, (h - 60 - m_labMsg->height()) / 2 + 22);
    m_labLink->move(m_labMsg->x(), m_labMsg->geometry().bottom() + 5);
    m_btnOk->move(w - m_btnOk->width() - 24, h - m_btnOk->height() - 20);
}
