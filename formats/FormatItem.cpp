#include "FormatItem.h"

#include "QIAnyUtil.h"
#include "QImageButton.h"

#include <QMouseEvent>
#include <QPainter>

FormatItem::FormatItem(QWidget* parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    qRegisterMetaType<QFormatItemState>("QFormatItemState");
    const QString res = QIAnyUtil::getResourcePath();
    m_bgImage = std::make_unique<QPixmap>(res + "/image/Format_Dlg/format_item.png");
    m_ui.m_btnSet->setBtnImage(res + "/image/Format_Dlg/btn_settings.png");
    m_ui.m_btnSet->hide();
    QFont font = m_ui.m_labName->font();
    font.setFamily("Tahoma");
    font.setPixelSize(11);
    m_ui.m_labName->setFont(font);
    connect(m_ui.m_btnSet, &QAbstractButton::clicked, this, &FormatItem::OnBtnSet);
}

FormatItem::~FormatItem() = default;

void FormatItem::setIcon(QString key)
{
    m_fileName = QString("icon_%1.png").arg(key);
    m_iconPath = QIAnyUtil::getResourcePath() + "/image/Format/" + m_fileName;
    m_icon = std::make_unique<QPixmap>(m_iconPath);
    m_icon->setDevicePixelRatio(2.0);
}

void FormatItem::setItemName(QString name)
{
    m_itemName = name;
    m_ui.m_labName->setText(name);
}

void FormatItem::setHiddenSet(bool hidden)
{
    m_hiddenSet = hidden;
    m_ui.m_btnSet->setHidden(hidden);
}

void FormatItem::setItemState(QFormatItemState state)
{
    m_state = state;
    if (!m_hiddenSet)
        m_ui.m_btnSet->setVisible(state == FIS_Selected);
    repaint();
}

void FormatItem::setBgImage(QString path)
{
    m_bgImage = std::make_unique<QPixmap>(QIAnyUtil::getResourcePath() + path);
}

void FormatItem::OnBtnSet()
{
    emit emitOnSet(m_id);
}

void FormatItem::BtnPress()
{
    m_favorite = !m_favorite;
    m_favoriteChange = !m_favoriteChange;
}

void FormatItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_state == FIS_Selected)
        return;
    m_state = FIS_Selected;
    if (!m_hiddenSet)
        m_ui.m_btnSet->show();
    emit emitItemPress(m_categories, m_id, false);
    repaint();
}

void FormatItem::mouseDoubleClickEvent(QMouseEvent*)
{
    emit emitItemDoubleClick();
}

void FormatItem::enterEvent(QEvent*)
{
    if (m_state != FIS_Selected) {
        m_state = FIS_Hover;
        repaint();
    }
}

void FormatItem::leaveEvent(QEvent*)
{
    if (m_state != FIS_Selected) {
        m_state = FIS_Normal;
        repaint();
    }
}

void FormatItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(228, 228, 228));
    m_ui.m_labName->setPalette(palette);

    const int w = width();
    const int h = height();
    if (m_bgImage && !m_bgImage->isNull()) {
        const int frame = m_bgImage->width() / 4;
        const int index = (m_state >= FIS_Normal && m_state <= FIS_Selected) ? int(m_state) : 0;
        painter.drawPixmap(QRect(0, 0, w, h), *m_bgImage, QRect(index * frame, 0, frame, m_bgImage->height()));
    }
    m_ui.m_btnSet->move(w - m_ui.m_btnSet->width() - 5, 5);
    m_ui.m_labName->setGeometry(0, h - m_ui.m_labName->height() - 2, w, 20);
    if (m_icon && !m_icon->isNull()) {
        QPixmap scaled = m_icon->scaled(74, 74, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(2.0);
        painter.drawPixmap((w - scaled.width() / 2) / 2, 8, scaled);
    }
}
