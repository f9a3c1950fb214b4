#include "QShowCloseDlg.h"

#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QVideoSettingXml.h"

namespace {
QString res(const char* name) { return QIAnyUtil::getResourcePath() + QLatin1String(name); }
}

QShowCloseDlg::QShowCloseDlg(QWidget* parent) : QNinePointsImageDialog(parent)
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
    const rectSize corner{50, 50};
    setGridViewInfo(corner, corner, corner, corner);
    setFixedSize(325, 170);

    addCloseBtn(res("/image/btn_close.png"), true);
    closeButton()->move(12, 9);
    const QColor caption(55, 55, 55);
    const QRect cell(0, 0, 60, 22);
    m_btnCancel->setBtnImageAndText(res("/image/Common_bg/btn_common.png"), tr("Cancel"), 9);
    m_btnOk->setBtnImageAndText(res("/image/Common_bg/btn_common.png"), tr("OK"), 9);
    for (QTextImageButton* button : {m_btnCancel, m_btnOk}) {
        button->setImgBtnRect(cell);
        button->setTextColor(caption, caption, caption, caption);
        button->setTextPixelSize(11);
    }
    addMinBtn(res("/image/btn_min.png"), true);
    addMaxBtn(res("/image/btn_max.png"), true);

    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(11);
    const QColor text(228, 228, 228);
    for (QCheckButton* choice : {m_radioMin, m_radioClose}) {
        choice->setCheckImage(res("/image/Common_bg/Edit_selections_yes.png"),
                              res("/image/Common_bg/Edit_selections_no.png"));
        choice->setButtonType(true);
    }
    m_chkNote->setCheckImage(res("/image/Common_bg/btn_check_on1.png"), res("/image/Common_bg/btn_check_off1.png"));
    for (QCheckButton* box : {m_radioMin, m_radioClose, m_chkNote}) {
        box->setFont(font);
        box->setTextColor(text);
    }

    m_radioMin->move(50, 55);
    m_radioClose->move(50, 80);
    m_chkNote->move(35, 120);
    m_btnCancel->move(230, 125);
    m_btnCancel->hide();
    m_btnOk->move(230, 120);
    m_radioMin->setText(tr("Minimize to Tray"));
    m_radioClose->setText(tr("Exit"));
    m_chkNote->setText(tr("Don't show this window again"));

    const bool exits = QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y") == QLatin1String("Y");
    m_radioClose->setChecked(exits);
    m_radioMin->setChecked(!exits);
    m_chkNote->setChecked(false);

    connect(closeButton(), &QPushButton::clicked, this, &QWidget::close);
    connect(m_btnCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_radioMin, &QCheckButton::clicked, this, &QShowCloseDlg::OnClickRadio);
    connect(m_radioClose, &QCheckButton::clicked, this, &QShowCloseDlg::OnClickRadio);
}

QShowCloseDlg::~QShowCloseDlg() = default;

bool QShowCloseDlg::isNoShowThisDlg() { return m_chkNote->isChecked(); }

bool QShowCloseDlg::isCloseDlg() { return m_radioClose->isChecked(); }

void QShowCloseDlg::OnClickRadio()
{
    QCheckButton* clicked = qobject_cast<QCheckButton*>(sender());
    if (!clicked)
        return;
    clicked->setChecked(true);
    (clicked == m_radioMin ? m_radioClose : m_radioMin)->setChecked(false);
}
