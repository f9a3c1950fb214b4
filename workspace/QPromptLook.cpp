#include "QPromptLook.h"

#include "QCheckButton.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QNinePointsImageDialog.h"
#include "QTextImageButton.h"

namespace {
QString res(const char* name) { return QIAnyUtil::getResourcePath() + QLatin1String(name); }

const int kHeight = 170;
const int kButtonRight = 95;   // from the OK button's left edge to the dialog's right edge
}

void QPromptLook::dress(QNinePointsImageDialog* dialog, int width, QTextImageButton* ok, const QString& okText,
                        QTextImageButton* cancel, const QString& cancelText)
{
    dialog->setAttribute(Qt::WA_TranslucentBackground, true);
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    dialog->setBackgroundImage(res("/image/Common_bg/bg_2.png"), false);
    dialog->setLogoRect(QRect());
    dialog->setTitleRect(QRect());
    dialog->setTextPixelSize(11);
    dialog->setTextColor(QColor(245, 245, 245));
    dialog->setMoveTop(26);
    const rectSize corner{50, 50};
    dialog->setGridViewInfo(corner, corner, corner, corner);
    dialog->setFixedSize(width, kHeight);

    dialog->addCloseBtn(res("/image/btn_close.png"), true);
    dialog->closeButton()->move(12, 9);
    const QColor caption(55, 55, 55);
    const QRect cell(0, 0, 60, 22);
    cancel->setBtnImageAndText(res("/image/Common_bg/btn_common.png"), cancelText, 9);
    ok->setBtnImageAndText(res("/image/Common_bg/btn_common.png"), okText, 9);
    for (QTextImageButton* button : {cancel, ok}) {
        button->setImgBtnRect(cell);
        button->setTextColor(caption, caption, caption, caption);
        button->setTextPixelSize(11);
    }
    dialog->addMinBtn(res("/image/btn_min.png"), true);
    dialog->addMaxBtn(res("/image/btn_max.png"), true);

    cancel->move(width - kButtonRight, 125);
    cancel->hide();
    ok->move(width - kButtonRight, 120);

    QObject::connect(dialog->closeButton(), &QPushButton::clicked, dialog, &QWidget::close);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QWidget::close);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
}

void QPromptLook::dressNote(QCheckButton* box)
{
    box->setCheckImage(res("/image/Common_bg/btn_check_on1.png"), res("/image/Common_bg/btn_check_off1.png"));
    dressChoice(box);
}

void QPromptLook::dressChoice(QCheckButton* box)
{
    box->setFont(textFont());
    box->setTextColor(textColour());
}

QFont QPromptLook::textFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(11);
    return font;
}

QColor QPromptLook::textColour() { return QColor(228, 228, 228); }
