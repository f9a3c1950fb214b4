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
#include <QTextLayout>

#include <algorithm>

namespace {
// Height of the picture's title band (logical pixels): the close button, the
// title icon and the title line up on its middle, as in the other dialogs.
constexpr int kTitleBand = 26;
// Space between the title icon and the title.
constexpr int kTitleIconGap = 6;
// Extra space between message lines: the font's own line spacing here is less
// than its height, which let descenders touch the next line.
constexpr int kLineGap = 3;
} // namespace

QVelMessageDlg::QVelMessageDlg(QWidget* parent) : QDialog(parent), ui(new Ui::QVelMessageDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundImage(QIAnyUtil::getResourcePath() + "/pic/bg_msg.png");
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
    m_messageLines = wrapMessage(width);
    const int textHeight = m_messageLines.size() * lineHeight();
    int top = (m_baseSize.height() - textHeight) / 2 - 5;
    if (!(m_baseSize.height() > textHeight && top > 35)) {
        top = 36;
        const QPoint centre = m_dialogRect.center();
        m_dialogRect.setHeight(std::max(m_baseSize.height(), textHeight + 10 + m_baseSize.height() / 2));
        m_dialogRect.moveCenter(QPoint(m_dialogRect.center().x(), centre.y()));
    }
    m_messageRect = QRect(x, top, width, textHeight);
}

int QVelMessageDlg::lineHeight() const
{
    return QFontMetrics(m_messageFont).height() + kLineGap;
}

// The message as the lines it shows in `width`: broken at its own line breaks,
// then at word boundaries (inside a word only when one word is wider).
QStringList QVelMessageDlg::wrapMessage(int width) const
{
    QStringList lines;
    if (m_message.isEmpty())
        return lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : m_message.split('\n')) {
        QTextLayout layout(paragraph, m_messageFont);
        layout.setTextOption(option);
        layout.beginLayout();
        int count = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
            ++count;
        }
        layout.endLayout();
        if (count == 0)
            lines << QString();
    }
    return lines;
}

QVector<QRect> QVelMessageDlg::messageLineRects() const
{
    QVector<QRect> rects;
    const int pitch = lineHeight();
    for (int i = 0; i < m_messageLines.size(); ++i)
        rects << QRect(m_messageRect.left(), m_messageRect.top() + i * pitch, m_messageRect.width(), pitch);
    return rects;
}

QRect QVelMessageDlg::closeButtonRect() const { return ui->close->geometry(); }

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
    // At the left of the title band like the close button of every other dialog.
    ui->close->move(12, (kTitleBand - ui->close->height()) / 2);
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

// The title and its icon stand side by side, centred in the title band, so the
// close button at the left stays clear of them.
void QVelMessageDlg::SetTitleImageRect()
{
    const QSize icon = m_titleIcon.isNull() ? QSize() : m_titleIcon.size() / m_titleIcon.devicePixelRatio();
    const int iconRoom = icon.isEmpty() ? 0 : icon.width() + kTitleIconGap;
    const QFontMetrics metrics(m_titleFont);
    const int textWidth = std::min(metrics.horizontalAdvance(m_title), width() - 2 * 40 - iconRoom);
    const int left = (width() - iconRoom - textWidth) / 2;
    m_titleRect = QRect(left + iconRoom, 0, textWidth, kTitleBand);
    m_titleIconRect = QRect(QPoint(left, (kTitleBand - icon.height()) / 2), icon);
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
    placeButtons();
    SetTitleImageRect();
    SetIconRect();
    QDialog::showEvent(event);
}

void QVelMessageDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawBackground(painter);
    painter.setPen(QColor(245, 245, 245));
    painter.setFont(m_titleFont);
    const QString title = QFontMetrics(m_titleFont).elidedText(m_title, Qt::ElideRight, m_titleRect.width());
    painter.drawText(m_titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(m_messageFont);
    const QVector<QRect> lines = messageLineRects();
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(lines.at(i), Qt::AlignLeft | Qt::AlignVCenter, m_messageLines.at(i));
    if (!m_titleIcon.isNull())
        painter.drawPixmap(m_titleIconRect, m_titleIcon);
    if ((m_style & ShowIcon) && !m_statusIcon.isNull())
        painter.drawPixmap(m_iconRect, m_statusIcon);
}

// The skin's pictures are double resolution: the grid is cut in picture pixels
// over twice the window's size and drawn at half scale, so the band, the rounded
// corners and the hairline border keep the sizes they were drawn at. Corner cells
// never pass the middle of the window: overlapping cells painted one corner
// square and cut the bottom edge short.
void QVelMessageDlg::drawBackground(QPainter& painter)
{
    if (m_bgImage.isNull())
        return;
    const int W = width() * 2;
    const int H = height() * 2;
    rectSize cells[4];
    for (int i = 0; i < 4; ++i) {
        cells[i].width = std::min({m_grid[i].width, W / 2, m_bgImage.width() / 2});
        cells[i].height = std::min({m_grid[i].height, H / 2, m_bgImage.height() / 2});
    }
    const auto pieces = QImagaeRatioDraw::ninePieces(W, H, m_bgImage.width(), m_bgImage.height(), cells[0], cells[1],
                                                     cells[2], cells[3]);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.scale(0.5, 0.5);
    for (const auto& piece : pieces) {
        if (piece.target.width() > 0 && piece.target.height() > 0 && piece.source.width() > 0
            && piece.source.height() > 0)
            painter.drawImage(piece.target, m_bgImage, piece.source);
    }
    painter.restore();
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
