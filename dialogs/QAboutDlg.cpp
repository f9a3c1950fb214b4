#include "QAboutDlg.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QSkinPicture.h"
#include "VelSystemActions.h"

#include <QPainter>

namespace {

void setFontPixels(QLabel* label, int pixels)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    label->setFont(font);
}

void setTextColour(QLabel* label)
{
    QPalette palette = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, QColor(228, 228, 228));
    label->setPalette(palette);
}

} // namespace

QAboutDlg::QAboutDlg(QWidget* parent) : QNinePointsImageDialog(parent)
{
    setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const QString res = QIAnyUtil::getResourcePath();
    setBackgroundImage(res + "/image/Common_bg/bg_2.png", false);
    // Centred in the band: left-aligned, the title would run under the close button.
    setTitleRect(QRect(0, 5, 0, 0));
    setTitle(QObject::tr("About"));
    setTextPixelSize(12);
    setTextColor(QColor(245, 245, 245));
    setMoveTop(26);
    setGridViewInfo({80, 80}, {80, 80}, {80, 80}, {80, 80});
    setFixedSize(400, 250);

    addCloseBtn(res + "/image/btn_close.png", true);
    closeButton()->move(12, 9);
    connect(closeButton(), &QAbstractButton::clicked, this, &QWidget::close);
    addMinBtn(res + "/image/btn_min.png", true);
    addMaxBtn(res + "/image/btn_max.png", true);
    m_logo = QSkinPicture::image(res + "/image/Common_bg/no_title_logo.png");
    InitLabels();
}

QAboutDlg::~QAboutDlg() = default;

QString QAboutDlg::homeAddress()
{
    // No trailing slash: the link's markup leaves the address unquoted, and a
    // final "/" would close the anchor before its text, drawing the address
    // near-black on the dark ground.
    return QStringLiteral("https://www.zededera-raziz-azodor.example");
}

QString QAboutDlg::versionText()
{
    return QStringLiteral("2.3.2");
}

void QAboutDlg::InitLabels()
{
    m_labProject->setText(QStringLiteral("Zededera Raziz Azodor"));
    m_labProject->adjustSize();
    m_labProjectVersion->clear();
    m_labVersion->setText(QString("%1 %2").arg(QObject::tr("Version"), versionText()));
    m_labCopyright->setText(QObject::tr("Copyright © 2026 Velmarin. All rights reserved."));
    m_labVisit->setText(QObject::tr("Visit:"));
    m_labHome->setText(QString("<style> a {text-decoration: 1} </style> <a style='color: #ffffff;' href = %1> %2</a>")
                           .arg(homeAddress(), homeAddress()));

    // A 15-point caption at 72 dpi, where a point is a pixel.
    QFont project(QStringLiteral("Tahoma"));
    project.setPixelSize(15);
    m_labProject->setFont(project);
    m_labProject->adjustSize();
    for (QLabel* label : {m_labVersion, m_labVisit, m_labHome, m_labCopyright})
        setFontPixels(label, 12);
    m_labVisit->adjustSize();
    m_labHome->adjustSize();
    if (QConverterOperate::getLanguageType() == 3)
        setFontPixels(m_labCopyright, 11);
    m_labCopyright->adjustSize();
    for (QLabel* label : {m_labProject, m_labVersion, m_labVisit, m_labCopyright})
        setTextColour(label);
    connect(m_labHome, &QLabel::linkActivated, this, &QAboutDlg::OnClickHome);
}

// The link text is only shown; the address opened is always the home page's.
void QAboutDlg::OnClickHome(QString)
{
    VelSystemActions::openUrl(QUrl(homeAddress()));
}

void QAboutDlg::paintEvent(QPaintEvent* event)
{
    QNinePointsImageDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!m_logo.isNull()) {
        const QSize size = m_logo.size().scaled(60, 60, Qt::KeepAspectRatio);
        painter.drawImage(QRect(QPoint(50, 75), size), m_logo);
    }
    m_labProject->move(120, 82);
    m_labProjectVersion->move(m_labProject->geometry().right() + 6, 80);
    m_labVersion->setGeometry(120, 102, 300, 20);
    m_labVisit->move(50, 155);
    m_labHome->move(m_labVisit->geometry().right() + 3, 152);
    m_labCopyright->move(50, 182);
}
