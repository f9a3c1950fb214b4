#include "QHorizontalListItem.h"

#include "QVEInitCtrlStyle.h"
#include "VECommonClass.h"

QHorizontalListItem::QHorizontalListItem(QWidget* parent) : QBaseItem(parent)
{
    setupUi(this);
    setMinimumWidth(56);
    setMaximumWidth(56);
    initControls();
    setCoverImage(VECommonClass::getCustomResPath() + QStringLiteral("/normal.png"));
}

QHorizontalListItem::~QHorizontalListItem() = default;

void QHorizontalListItem::initControls()
{
    QVEInitCtrlStyle::SetFont(m_lblTitle, 11);
    QVEInitCtrlStyle::SetPalette(m_lblTitle, QPalette::WindowText, QColor(246, 246, 246, 255));
}

void QHorizontalListItem::setCoverImage(QString path)
{
    if (!path.isEmpty()) {
        m_stateImage = QImage(path);
        if (!m_stateImage.isNull()) {
            m_wdgCoverImage->resize(m_stateImage.width() / 8, m_stateImage.height() / 2);
            m_lblTitle->resize(m_wdgCoverImage->width() + 2, m_lblTitle->height());
            m_wdgImage->setFixedSize(m_wdgCoverImage->size());
            applyStateFrame(getMouseState());
        }
    }
    update();
}

// Frames stand side by side: normal, hover, selected, then one for any other state.
void QHorizontalListItem::applyStateFrame(QBaseItem::QMouseState state)
{
    if (m_stateImage.isNull())
        return;
    const int frameWidth = m_stateImage.width() / 4;
    const int frame = state >= NormalState && state <= SelectedState ? int(state) : 3;
    m_wdgCoverImage->setBackgroundImage(m_stateImage.copy(frame * frameWidth, 0, frameWidth, m_stateImage.height()),
                                        false);
}

void QHorizontalListItem::setMouseState(QBaseItem::QMouseState state)
{
    applyStateFrame(state);
    QBaseItem::setMouseState(state);
}

void QHorizontalListItem::setItem(QString thumbnailPath, QString title)
{
    m_title = title;
    if (!thumbnailPath.isEmpty()) {
        m_thumbnail = QImage(thumbnailPath);
        m_wdgImage->setBackgroundImage(m_thumbnail, false);
        // No corner cells: the whole thumbnail scales into the cover's size.
        m_wdgImage->setGridViewInfo(rectSize(0, 0), rectSize(0, 0), rectSize(0, 0), rectSize(0, 0));
        applyStateFrame(getMouseState());
    }
    m_lblTitle->setText(m_lblTitle->fontMetrics().elidedText(title, Qt::ElideRight, m_lblTitle->width()));
    m_lblTitle->setToolTip(title);
    updateControlsPosition();
    update();
}

void QHorizontalListItem::updateControlsPosition()
{
    const int coverX = (width() - m_wdgCoverImage->width()) / 2;
    const int coverY = (height() - m_wdgCoverImage->height() - m_lblTitle->height() - 2) / 2;
    m_wdgCoverImage->move(coverX, coverY);
    m_wdgImage->move(coverX, coverY);
    m_lblTitle->move((width() - m_lblTitle->width()) / 2, coverY + m_wdgCoverImage->height() + 1);
}

void QHorizontalListItem::resizeEvent(QResizeEvent* event)
{
    QBaseItem::resizeEvent(event);
    updateControlsPosition();
}

void QHorizontalListItem::showEvent(QShowEvent*) {}
