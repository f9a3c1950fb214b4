#include "QEditTipDlg.h"

#include "QIAnyUtil.h"
#include "QImageButton.h"

namespace {
QString res(const char* name) { return QIAnyUtil::getResourcePath() + QLatin1String(name); }

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, colour);
    widget->setPalette(pal);
}
}

QEditTipDlg::QEditTipDlg(QWidget* parent) : QNinePointsImageDialog(parent)
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
    setFixedSize(425, 170);

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

    m_chkNote->setCheckImage(res("/image/Common_bg/btn_check_on1.png"), res("/image/Common_bg/btn_check_off1.png"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(11);
    m_chkNote->setFont(font);
    m_lblText->setFont(font);
    setTextColour(m_lblText, QColor(228, 228, 228));
    m_chkNote->setTextColor(QColor(228, 228, 228));

    m_lblText->resize(width() - 80, m_lblText->height());
    m_lblText->move(40, 50);
    m_chkNote->move(40, 120);
    m_chkNote->setText(tr("Don't show this window again"));
    m_lblText->setText(tr("Note: The currently selected output mode is High-Speed mode (Lossless). The edited "
                          "effect won't be applied to the output file."));
    m_btnCancel->move(330, 125);
    m_btnCancel->hide();
    m_btnOk->move(330, 120);

    connect(closeButton(), &QPushButton::clicked, this, &QWidget::close);
    connect(m_btnCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

QEditTipDlg::~QEditTipDlg() = default;

bool QEditTipDlg::isNoShowThisDlg() { return m_chkNote->isChecked(); }
