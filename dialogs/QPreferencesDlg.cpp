#include "QPreferencesDlg.h"

#include "ConvertWidget.h"
#include "GeneralWidget.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QTextImageButton.h"
#include "QVelScrollBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QPainter>
#include "QPreviewTranslator.h"

#include <QTranslator>

QPreferencesDlg::QPreferencesDlg(QWidget* parent) : QNinePointsImageDialog(parent)
{
    setupUi(this);
    setWindowTitle(QObject::tr("Preferences"));
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    setBackgroundImage(QIAnyUtil::getResourcePath() + "/image/Common_bg/bg_3.png", false);
    setLogoRect(QRect(127, 5, 0, 0));
    setTitleRect(QRect(0, 5, 0, 0));
    setTextPixelSize(12);
    setTitle(QObject::tr("Preferences"));
    setTextColor(QColor(245, 245, 245));
    setMoveTop(26);
    setGridViewInfo({80, 80}, {80, 80}, {80, 80}, {80, 80});
    setFixedSize(433, 277);

    setLayout(m_Layout);
    m_Layout->setContentsMargins(4, 26, 4, 34);
    m_Layout->setSpacing(0);
    scrollArea->setFrameStyle(QFrame::NoFrame);
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);
    QPalette palette = m_scrollAreaWidget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Window, QColor(51, 51, 51));
    m_scrollAreaWidget->setPalette(palette);
    InitScrollBar();
    m_scrollAreaWidget->setLayout(m_ConvertLayout);
    m_listLayout->setSpacing(0);
    m_listLayout->setContentsMargins(0, 0, 0, 0);
    scrollArea->show();

    InitBtn();
    InitDlg();
}

QPreferencesDlg::~QPreferencesDlg()
{
    delete m_pGeneralWidget;
    delete m_pConvertWidget;
    m_leftBtnList.clear();
}

void QPreferencesDlg::InitScrollBar()
{
    auto* bar = new QVelScrollBar(Qt::Vertical);
    QVelScrollBarStyleAttribute style;
    style.extent = 10;
    style.grooveColor = QColor(57, 55, 55);
    style.buttonAreaColor = QColor(91, 89, 89);
    style.buttonAreaColorCopy = QColor(91, 89, 89);
    style.handleColor = QColor(91, 89, 89);
    style.handleMargin = 1;
    style.handlePressedColor = QColor(102, 101, 101);
    style.handleHoverColor = QColor(102, 101, 101);
    style.hoverAlways = true;
    bar->setStyleAttribute(style);
    scrollArea->setVerticalScrollBar(bar);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void QPreferencesDlg::InitBtn()
{
    const QString res = QIAnyUtil::getResourcePath();
    const QColor white(255, 255, 255);
    for (int i = 0; i < 2; ++i) {
        auto* button = new QTextImageButton(this);
        button->setBtnImageAndText(res + "/image/btn_prefer.png",
                                   i == 0 ? QObject::tr("General") : QObject::tr("Convert"), 12);
        if (i == 0) {
            m_pCurrentBtn = button;
            button->setCheckState(true);
        }
        button->setFixedSize(87, 21);
        button->setTextPixelSize(12);
        button->setTextColor(white, white, white, white);
        connect(button, &QAbstractButton::clicked, this, &QPreferencesDlg::OnLeftBtn);
        m_leftBtnList.append(button);
        m_BtnVerticalLayout_3->addWidget(button);
    }
    m_BtnVerticalLayout_3->setSpacing(12);

    addCloseBtn(res + "/image/btn_close.png", true);
    closeButton()->move(12, 9);
    addMinBtn(res + "/image/btn_min.png", true);
    addMaxBtn(res + "/image/btn_max.png", true);

    const QColor caption(55, 55, 55);
    m_btnCancel->setBtnImageAndText(res + "/image/Common_bg/btn_common.png", QObject::tr("Cancel"), 11);
    m_btnOk->setBtnImageAndText(res + "/image/Common_bg/btn_common.png", QObject::tr("OK"), 11);
    for (QTextImageButton* button : {m_btnCancel, m_btnOk}) {
        button->setTextColor(caption, caption, caption, caption);
        button->setImgBtnRect(QRect(0, 0, 80, 24));
    }

    connect(closeButton(), &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_btnOk, &QAbstractButton::clicked, this, &QPreferencesDlg::OnBtnOk);
}

void QPreferencesDlg::InitDlg()
{
    const int w = width();
    const int h = height();
    m_pGeneralWidget = new GeneralWidget(this);
    connect(m_pGeneralWidget, &GeneralWidget::sendUpdate, this, &QPreferencesDlg::emitAutoUpdate);
    connect(m_pGeneralWidget, &GeneralWidget::sendLanguageName, this, &QPreferencesDlg::setLanguge);
    m_pGeneralWidget->setMinimumSize(w - 97, h + 30);
    m_pGeneralWidget->show();

    m_pConvertWidget = new ConvertWidget(this);
    m_pConvertWidget->setMinimumSize(w - 97, h - 61);
    m_pConvertWidget->hide();

    m_listLayout->addWidget(m_pGeneralWidget);
    m_listLayout->addWidget(m_pConvertWidget);
    m_pGeneralWidget->hide();
    m_pConvertWidget->hide();
    m_pGeneralWidget->show();
}

void QPreferencesDlg::showPreferencesWgt(ShowSettingDlg page)
{
    m_pGeneralWidget->hide();
    m_pConvertWidget->hide();
    if (page == ShowGeneral)
        m_pGeneralWidget->show();
    else if (page == ShowConvert)
        m_pConvertWidget->show();
}

void QPreferencesDlg::OnLeftBtn()
{
    auto* button = qobject_cast<QTextImageButton*>(sender());
    if (!button || button == m_pCurrentBtn)
        return;
    if (m_pCurrentBtn)
        m_pCurrentBtn->setCheckState(false);
    m_pCurrentBtn = button;
    button->setCheckState(true);
    const int index = m_BtnVerticalLayout_3->indexOf(button);
    if (index == 0 || index == 1)
        showPreferencesWgt(index == 0 ? ShowGeneral : ShowConvert);
}

void QPreferencesDlg::OnBtnOk()
{
    if (m_pGeneralWidget)
        m_pGeneralWidget->saveSetting();
    if (m_pConvertWidget)
        m_pConvertWidget->saveSetting();
    m_bIsOk = true;
    close();
}

// The translator lives for this one retranslation: only the dialog's own texts
// switch, every other window keeps its language until the opener reloads it.
bool QPreferencesDlg::setLanguge(QString qmFile)
{
    if (!QFile::exists(qmFile))
        return false;
    QPreviewTranslator translator;
    translator.load(qmFile);
    QApplication::installTranslator(&translator);
    retranslateUi();
    return true;
}

void QPreferencesDlg::retranslateUi()
{
    setWindowTitle(QObject::tr("Preferences"));
    setTitle(QObject::tr("Preferences"));
    update();
    for (int i = 0; i < m_leftBtnList.size() && i < 2; ++i)
        m_leftBtnList[i]->setBtnText(i == 0 ? QObject::tr("General") : QObject::tr("Convert"));
    m_btnCancel->setBtnText(QObject::tr("Cancel"));
    m_btnOk->setBtnText(QObject::tr("OK"));
    if (m_pConvertWidget)
        m_pConvertWidget->retranslateUi();
    if (m_pGeneralWidget)
        m_pGeneralWidget->retranslateUi();
}

void QPreferencesDlg::paintEvent(QPaintEvent* event)
{
    QNinePointsImageDialog::paintEvent(event);
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(4, 26), QPoint(91, h - 35)), QColor(62, 62, 62));
    const int y = h - 34 + (30 - m_btnOk->height()) / 2;
    m_btnOk->move(w - 40 - m_btnCancel->width() - m_btnOk->width(), y);
    m_btnCancel->move(w - 24 - m_btnCancel->width(), y);
}

void QPreferencesDlg::closeEvent(QCloseEvent* event)
{
    QNinePointsImageDialog::closeEvent(event);
    reportLanguage();
}

// Escape rejects the dialog without a close event; it must still report, or the
// opener never gets its translator back.
void QPreferencesDlg::reject()
{
    QNinePointsImageDialog::reject();
    reportLanguage();
}

// A dismissal without OK also undoes the language type that the pick set at
// once, so that nothing keeps sizing its texts for a language not in use.
void QPreferencesDlg::reportLanguage()
{
    if (m_bReported)
        return;
    m_bReported = true;
    const bool changed = m_bIsOk && m_pGeneralWidget && m_pGeneralWidget->getChangeLanguage();
    if (!m_bIsOk && m_pGeneralWidget)
        m_pGeneralWidget->restoreLanguageType();
    emit emitLangugeChangeSet(changed);
}
