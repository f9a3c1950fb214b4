#include "QVelMessageDlg.h"

#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QSkinPicture.h"
#include "QTextImageButton.h"
#include "ui_QVelMessageDlg.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

QVelMessageDlg::QVelMessageDlg(QWidget* parent) : QDialog(parent), ui(new Ui::QVelMessageDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_bgImage = QSkinPicture::image(QIAnyUtil::getResourcePath() + "/pic/bg_msg.png", 1.0);
    m_titleIcon = QSkinPicture::pixmap(QIAnyUtil::getResourcePath() + "/pic/msg_title_icon.png");
    InitConnects();
}

QVelMessageDlg::~QVelMessageDlg()
{
    delete ui;
}

// The pictures live in the resources folder's "pic" folder.
QString QVelMessageDlg::picture(const QString& name) const
{
    return QIAnyUtil::getResourcePath() + m_picPrefix + "/pic/" + name;
}

void QVelMessageDlg::InitConnects()
{
    connect(ui->ok, &QPushButton::clicked, this, &QVelMessageDlg::OnBtnOk, Qt::UniqueConnection);
    connect(ui->cancel, &QPushButton::clicked, this, &QVelMessageDlg::OnBtnCancel, Qt::UniqueConnection);
    connect(ui->close, &QPushButton::clicked, this, &QVelMessageDlg::OnBtnCancel, Qt::UniqueConnection);
}

QPushButton* QVelMessageDlg::okButton() const { return ui->ok; }
QPushButton* QVelMessageDlg::cancelButton() const { return ui->cancel; }

void QVelMessageDlg::SetTitle(QString title) { m_title = title; }
void QVelMessageDlg::SetMessage(QString message) { m_message = message; }
void QVelMessageDlg::SetMessageStyle(unsigned int style) { m_style = style; }

void QVelMessageDlg::setMovePos(int x, int y)
{
    m_moveX = x;
    m_moveY = y;
}

void QVelMessageDlg::setBackgroundImage(QString path)
{
    m_bgImage = QSkinPicture::image(path, 1.0);
    const rectSize corner{m_bgImage.width() / 3, m_bgImage.height() / 3};
    for (rectSize& cell : m_grid)
        cell = corner;
    repaint();
}

void QVelMessageDlg::setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft, rectSize bottomRight)
{
    m_grid[0] = topLeft;
    m_grid[1] = topRight;
    m_grid[2] = bottomLeft;
    m_grid[3] = bottomRight;
    repaint();
}

void QVelMessageDlg::GetAppPath(QString&) {}

QString QVelMessageDlg::iconName(unsigned int style)
{
    if (!(style & ShowIcon))
        return QString();
    const bool warning = style & WarningBit;
    const bool success = style & SuccessBit;
    if (warning && success)
        return QStringLiteral("error.png");
    if (warning)
        return QStringLiteral("warning.png");
    if (success)
        return QStringLiteral("Success.png");
    return QString();
}

void QVelMessageDlg::OnBtnOk()
{
    if (m_style & Restart)
        return;
    done(m_style & YesNo ? QMessageBox::Yes : QMessageBox::Ok);
}

void QVelMessageDlg::OnBtnCancel()
{
    done(m_style & YesNo ? QMessageBox::No : QMessageBox::Cancel);
}

void QVelMessageDlg::layoutMessage()
{
    const QRect screenArea = QGuiApplication::primaryScreen()->availableGeometry();
    m_dialogRect = QRect(QPoint(), m_baseSize);
    m_dialogRect.moveCenter(screenArea.center());

    const QFontMetrics metrics(m_messageFont);
    QString measured = m_message;
    const QStringList lines = m_message.split('\n');
    if (lines.size() > 1) {
        int longest = 0;
        for (const QString& line : lines)
            longest = std::max(longest, int(line.size()));
        measured = m_message.left(lines.size() - 1 + longest + 4);
    }
    const int textWidth = metrics.horizontalAdvance(measured);
    const bool icon = !m_statusIcon.isNull();
    const int left = icon ? 82 : 40;
    const int cap = icon ? 488 : 520;
    const int extra = icon ? 112 : 80;

    int width = textWidth;
    int x = 0;
    if (textWidth > m_baseSize.width() - extra) {
        width = std::min(textWidth, cap);
        x = left;
        const QPoint centre = m_dialogRect.center();
        m_dialogRect.setWidth(width + extra);
        m_dialogRect.moveCenter(QPoint(centre.x(), m_dialogRect.center().y()));
    } else {
        x = std::max(icon ? left : 0, (m_dialogRect.width() - width) / 2);
    }
    const int textHeight = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, m_message).height();
    int top = (m_baseSize.height() - textHeight) / 2 - 5;
    if (!(m_baseSize.height() > textHeight && top > 35)) {
        top = 36;
        const QPoint centre = m_dialogRect.center();
        m_dialogRect.setHeight(std::max(m_baseSize.height(), textHeight + 10 + m_baseSize.height() / 2));
        m_dialogRect.moveCenter(QPoint(m_dialogRect.center().x(), centre.y()));
    }
    m_messageRect = QRect(x, top, width, textHeight);
}

void QVelMessageDlg::setupButtons()
{
    auto* ok = static_cast<QTextImageButton*>(ui->ok);
    auto* cancel = static_cast<QTextImageButton*>(ui->cancel);
    static_cast<QImageButton*>(ui->close)->setBtnImage(picture("btn_close.png"));
    for (QTextImageButton* button : {ok, cancel}) {
        button->setBtnImageForRect(picture("btn_common.png"), QRect(0, 0, 80, 24));
        button->setTextColor(QColor(55, 55, 55));
    }
    int pixelSize = 12;
    QString okText = tr("OK");
    QString cancelText;
    if (m_style & OkStop) {
        cancelText = tr("Stop");
    } else if (m_style & Restart) {
        okText = QStringLiteral("Restart");
        cancelText = QStringLiteral("Restart Later");
        pixelSize = 9;
    } else if (m_style & YesNo) {
        okText = tr("YES");
        cancelText = tr("NO");
        pixelSize = 9;
    }
    ok->setBtnText(okText);
    ok->setTextPixelSize(pixelSize);
    cancel->setBtnText(cancelText);
    cancel->setTextPixelSize(pixelSize);
    cancel->setVisible(!cancelText.isEmpty());
}

void QVelMessageDlg::placeButtons()
{
    const int w = width();
    const int h = height();
    ui->close->move(w - 8 - ui->close->width(), 8);
    const int y = h - 20 - 24;
    if (ui->cancel->isVisibleTo(this)) {
        int cancelX = w - 20 - 80;
        int okX = cancelX - 10 - 80;
        if (okX < 15) {
            okX = 15;
            cancelX = okX + 80 + 10;
        }
        ui->ok->move(okX, y);
        ui->cancel->move(cancelX, y);
    } else {
        ui->ok->move(std::max(15, w - 25 - 80), y);
    }
}

void QVelMessageDlg::SetTitleImageRect()
{
    m_titleIconRect = QRect(QPoint(18, 13), m_titleIcon.size() / m_titleIcon.devicePixelRatio());
}

void QVelMessageDlg::SetIconRect()
{
    const QSize size = m_statusIcon.size() / m_statusIcon.devicePixelRatio();
    m_iconRect = QRect(QPoint(m_messageRect.left() - 10 - size.width(),
                              m_messageRect.center().y() - size.height() / 2 + 4),
                       size);
}

void QVelMessageDlg::showEvent(QShowEvent* event)
{
    m_titleFont = QFont("Tahoma");
    m_titleFont.setPixelSize(12);
    m_messageFont = m_titleFont;
    const QString icon = iconName(m_style);
    m_statusIcon = icon.isEmpty() ? QPixmap() : QSkinPicture::pixmap(picture(icon));
    layoutMessage();
    setupButtons();
    setGeometry(m_dialogRect);
    if (m_moveX != -1)
        move(m_moveX, m_moveY);
    m_titleRect = QRect(QPoint(47, 16), QPoint(339, 38));
    placeButtons();
    SetTitleImageRect();
    SetIconRect();
    QDialog::showEvent(event);
}

void QVelMessageDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_bgImage.isNull()) {
        const auto pieces = QImagaeRatioDraw::ninePieces(width(), height(), m_bgImage.width(), m_bgImage.height(),
                                                         m_grid[0], m_grid[1], m_grid[2], m_grid[3]);
        for (const auto& piece : pieces)
            painter.drawImage(piece.target, m_bgImage, piece.source);
    }
    painter.setPen(QColor(245, 245, 245));
    painter.setFont(m_titleFont);
    painter.drawText(m_titleRect, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.setFont(m_messageFont);
    painter.drawText(m_messageRect, Qt::TextWordWrap, m_message);
    if (!m_titleIcon.isNull())
        painter.drawPixmap(m_titleIconRect, m_titleIcon);
    if ((m_style & ShowIcon) && !m_statusIcon.isNull())
        painter.drawPixmap(m_iconRect, m_statusIcon);
}

void QVelMessageDlg::DrawTop(QPainter& painter) { painter.drawPixmap(0, 0, m_borders[0]); }
void QVelMessageDlg::DrawBottom(QPainter& painter) { painter.drawPixmap(0, height() - m_borders[1].height(), m_borders[1]); }
void QVelMessageDlg::DrawLeft(QPainter& painter) { painter.drawPixmap(0, 0, m_borders[2]); }
void QVelMessageDlg::DrawRight(QPainter& painter) { painter.drawPixmap(width() - m_borders[3].width(), 0, m_borders[3]); }

void QVelMessageDlg::DrawBorder(QPainter& painter)
{
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void QVelMessageDlg::mousePressEvent(QMouseEvent* event)
{
    m_pressPos = event->globalPos() - frameGeometry().topLeft();
    QWidget::mousePressEvent(event);
}

void QVelMessageDlg::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && m_pressPos.y() < 39)
        move(event->globalPos() - m_pressPos);
    QWidget::mouseMoveEvent(event);
}

void QVelMessageDlg::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
}
