#include "QVideoConvertItem.h"

#include "MouseImageWidget.h"
#include "QCustomTimeEdit.h"
#include "QDualSlider.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QSettingDlg.h"
#include "VelVideoConvertItem.h"

#include <QApplication>
#include <QDataStream>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

const char* const QVideoConvertItem::kDragFormat = "application/x-dnditemdata";

QVideoConvertItem::QVideoConvertItem(QWidget* parent) : CListItemWgt(parent)
{
    setupUi();
    setMouseTracking(true);
    setMinimumHeight(48);
    setMaximumHeight(48);
    OnInitCtrl();
    setAcceptDrops(true);
}

void QVideoConvertItem::setupUi()
{
    resize(728, 107);
    m_videoIconWidget = new MouseImageWidget(this);
    m_videoIconWidget->setGeometry(20, 20, 55, 45);
    m_videoIconWidget->setMinimumSize(0, 0);
    m_videoIconWidget->setMaximumSize(55, 45);
    m_startTimeEdit = new QCustomTimeEdit(this);
    m_startTimeEdit->setGeometry(220, 40, 118, 22);
    m_startTimeEdit->setFocusPolicy(Qt::NoFocus);
    m_endTimeEdit = new QCustomTimeEdit(this);
    m_endTimeEdit->setGeometry(440, 40, 118, 22);
    m_endTimeEdit->setFocusPolicy(Qt::NoFocus);
    m_labStart = new QLabel(this);
    m_labStart->setGeometry(130, 40, 71, 16);
    m_labEnd = new QLabel(this);
    m_labEnd->setGeometry(360, 40, 71, 16);
    m_btnClose = new QImageButton(this);
    m_btnClose->setGeometry(650, 40, 75, 23);
    m_btnEdit = new QImageButton(this);
    m_btnEdit->setGeometry(570, 40, 75, 23);
    m_TrimItemDSlider = new QDualSlider(this);
    m_TrimItemDSlider->setGeometry(130, 70, 530, 19);
    m_TrimItemDSlider->setMaximumWidth(16000);
}

void QVideoConvertItem::OnInitCtrl()
{
    const QString res = QIAnyUtil::getResourcePath();
    m_videoIconWidget->setAllImage(res + "/image/CutListDlg/Video_icon.png", nullptr, QString());
    m_videoIconWidget->setMaximumSize(55, 45);
    m_btnClose->setBtnImage(res + "/image/CutListDlg/btn_delete.png");
    m_btnEdit->setBtnImage(res + "/image/CutListDlg/btn_edit.png");
    for (QCustomTimeEdit* edit : {m_startTimeEdit, m_endTimeEdit}) {
        edit->setImageForRect(res + "/image/Common_bg/spin_rect.png", QRect(0, 0, 138, 24));
        edit->setUpAndDownBtnImage(res + "/image/Common_bg/btn_up.png", res + "/image/Common_bg/btn_down.png");
        edit->setBtnMode(false);
        edit->setEditColor(QColor(228, 228, 228), QColor(228, 228, 228));
        edit->setEnabled(false);
    }
    QDualSlider* bar = m_TrimItemDSlider;
    bar->setBottomImage(res + "/image/CutListDlg/trake_cut1.png");
    bar->setTopImage(res + "/image/CutListDlg/trake_cut2.png");
    bar->setStartBtnImage(QString(), 0);
    bar->setEndBtnImage(QString());
    bar->setEnabledPull(false);
    bar->setCircle(true);
    bar->setCircleLenght(5);
    bar->setPlayValue(0, false);
    bar->move(10, 10);
    bar->setStartValue(0);
    bar->setEndValue(100);
    bar->setMaximumHeight(7);

    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    for (QLabel* label : {m_labStart, m_labEnd}) {
        QPalette palette = label->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::WindowText, QColor(228, 228, 228));
        label->setPalette(palette);
        label->setFont(font);
    }
    connect(m_btnClose, &QImageButton::clicked, this, &QVideoConvertItem::OnBtnDelete);
    connect(m_startTimeEdit, &QCustomTimeEdit::emitTimeChange, this, &QVideoConvertItem::emitStartTimeChange);
    connect(m_endTimeEdit, &QCustomTimeEdit::emitTimeChange, this, &QVideoConvertItem::emitEndTimeChange);
    connect(m_btnEdit, &QImageButton::clicked, this, &QVideoConvertItem::emitEdit);
}

int QVideoConvertItem::getIndex() const
{
    return m_item ? m_item->Index() : 0;
}

void QVideoConvertItem::setVideoItemInfo(VelVideoConvertItem* item)
{
    if (!item)
        return;
    m_index = item->Index();
    m_item = item;
    setTrimTime(item->m_trimStart, item->m_trimEnd);
    videoImgChange();
    if (item->m_bSelected) {
        setMouseState(Selected);
        m_startTimeEdit->setEnabled(true);
        m_endTimeEdit->setEnabled(true);
        item->m_bSelected = true;
        emit emitMousePress();
    } else {
        setMouseState(Normal);
        m_startTimeEdit->setEnabled(false);
        m_endTimeEdit->setEnabled(false);
        item->m_bSelected = false;
    }
    retranslateUi();
    applyProfile(!item->m_bTrackChoiceMade);
}

void QVideoConvertItem::applyProfile(bool firstBinding)
{
    // The lossless flag and the format follow the profile on every binding; the
    // track choice is reset only when the mode really changed (or was never set),
    // so a re-binding after a swap keeps what the user chose in the editor.
    const AttributeSetting* profile = QSettingDlg::m_attributeSetting;
    if (!m_item || !profile)
        return;
    const bool before = m_item->m_editConfig.m_bLossless;
    m_item->setEditConfigBLossless(profile);
    m_item->setEditConfigFormat(profile);
    if (firstBinding || before != m_item->m_editConfig.m_bLossless) {
        m_item->resetTrackData();
        m_item->m_bTrackChoiceMade = true;
    }
}

void QVideoConvertItem::UpdateData()
{
    applyProfile(m_item && !m_item->m_bTrackChoiceMade);
}

float QVideoConvertItem::millisPercent(uint64_t part, uint64_t length)
{
    const uint64_t lengthMs = length / 1000;
    if (lengthMs == 0)
        return 100;
    return float((part / 1000) * 100 / lengthMs);
}

void QVideoConvertItem::setTrimTime(uint64_t start, uint64_t end)
{
    if (!m_item)
        return;
    const uint64_t length = m_item->m_duration;
    if (end == 0)
        end = length;
    m_item->m_trimStart = start;
    m_item->m_trimEnd = end;
    m_startTimeEdit->setTimeRange(0, end);
    m_endTimeEdit->setTimeRange(start, length);
    m_endTimeEdit->setCurrentTime(end);
    m_startTimeEdit->setCurrentTime(start);
    // The end handle first goes past the track's end, so it cannot hold the start back.
    m_TrimItemDSlider->setEndValue(float(length));
    m_TrimItemDSlider->setStartValue(length ? float(double(start) * 100 / double(length)) : 0.0f);
    m_TrimItemDSlider->setEndValue(millisPercent(end, length));
}

void QVideoConvertItem::trimTimeChanged(uint64_t start, uint64_t end)
{
    setTrimTime(start, end);
    emit emitStartTimeChange(start);
    emit emitEndTimeChange(end == 0 && m_item ? m_item->m_duration : end);
}

void QVideoConvertItem::startValueChange(double fraction)
{
    if (!m_item)
        return;
    m_item->m_trimStart = uint64_t(double(m_item->m_duration) * fraction);
    m_startTimeEdit->setCurrentTime(m_item->m_trimStart);
    m_TrimItemDSlider->setStartValue(float(fraction * 100));
}

void QVideoConvertItem::endValueChange(double fraction)
{
    if (!m_item)
        return;
    m_item->m_trimEnd = uint64_t(double(m_item->m_duration) * fraction);
    m_startTimeEdit->setTimeRange(0, m_item->m_trimEnd);
    m_endTimeEdit->setCurrentTime(m_item->m_trimEnd);
    m_TrimItemDSlider->setEndValue(float(fraction * 100));
}

void QVideoConvertItem::startTimeChange(uint64_t start)
{
    if (!m_item)
        return;
    m_item->m_trimStart = start;
    m_endTimeEdit->setTimeRange(start, m_item->m_duration);
    m_startTimeEdit->setCurrentTime(start);
    m_TrimItemDSlider->setStartValue(millisPercent(start, m_item->m_duration));
}

void QVideoConvertItem::endTimeChange(uint64_t end)
{
    if (!m_item)
        return;
    m_item->m_trimEnd = end;
    m_startTimeEdit->setTimeRange(0, end);
    m_endTimeEdit->setCurrentTime(end);
    m_TrimItemDSlider->setEndValue(millisPercent(end, m_item->m_duration));
}

void QVideoConvertItem::videoImgChange()
{
    if (!m_item)
        return;
    m_videoIconWidget->setAllImage(QIAnyUtil::getResourcePath() + "/image/CutListDlg/Video_icon.png",
                                   m_item->m_picture.get(), QString());
    m_videoIconWidget->update();
}

void QVideoConvertItem::ClickSelectChange(bool selected)
{
    m_startTimeEdit->setEnabled(selected);
    m_endTimeEdit->setEnabled(selected);
    if (m_item)
        m_item->m_bSelected = selected;
}

void QVideoConvertItem::OnClickItem()
{
    emit emitMousePress();
}

void QVideoConvertItem::OnBtnDelete()
{
    emit emitDelete();
}

void QVideoConvertItem::retranslateUi()
{
    m_labStart->setText(tr("Start Time:"));
    m_labStart->adjustSize();
    m_labEnd->setText(tr("End Time:"));
    m_labEnd->adjustSize();
    m_btnClose->setToolTip(tr("Delete"));
    m_btnEdit->setToolTip(tr("Edit"));
    if (m_item && !m_item->m_editConfig.m_subtitleItems.isEmpty())
        m_item->m_editConfig.m_subtitleItems[0].m_displayText = QStringLiteral("%1").arg(tr("No Subtitle")).toUtf8();
    resetControlLocation();
}

void QVideoConvertItem::resetControlLocation()
{
    const int w = width();
    const int h = height();
    auto centreY = [h](QWidget* widget, int offset) { return (h - widget->height()) / 2 + offset; };
    m_startTimeEdit->move(w / 2 - 10 - m_startTimeEdit->width(), centreY(m_startTimeEdit, -5));
    m_labStart->move(m_startTimeEdit->x() - 10 - m_labStart->width(), centreY(m_labStart, -5));
    m_labEnd->move(w / 2 + 10, centreY(m_labEnd, -5));
    m_endTimeEdit->move(m_labEnd->geometry().right() + 10, centreY(m_endTimeEdit, -5));
    m_btnClose->move(w - 20 - m_btnClose->width(), centreY(m_btnClose, -6));
    m_btnEdit->move(m_btnClose->x() - 10 - m_btnEdit->width(), centreY(m_btnEdit, -6));
    m_videoIconWidget->move(6, centreY(m_videoIconWidget, 0));

    const float start = m_TrimItemDSlider->getStartValue() * 100;
    const float end = m_TrimItemDSlider->getEndValue() * 100;
    const int barH = m_TrimItemDSlider->height();
    m_TrimItemDSlider->setGeometry(QRect(QPoint(m_videoIconWidget->width() + 16, (h - barH) / 2 + 15),
                                         QPoint(w - 21, (h - barH) / 2 + 34)));
    m_TrimItemDSlider->setEndValue(end);
    m_TrimItemDSlider->setStartValue(start);
}

void QVideoConvertItem::resizeEvent(QResizeEvent* event)
{
    CListItemWgt::resizeEvent(event);
    resetControlLocation();
}

void QVideoConvertItem::paintEvent(QPaintEvent* event)
{
    CListItemWgt::paintEvent(event);
}

void QVideoConvertItem::mousePressEvent(QMouseEvent* event)
{
    CListItemWgt::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        m_pressPos = event->pos();
}

QMimeData* QVideoConvertItem::createDragData() const
{
    QPixmap pixmap;
    if (m_item && m_item->m_picture && !m_item->m_picture->isNull())
        pixmap = QPixmap::fromImage(*m_item->m_picture);
    else
        pixmap = QPixmap(QIAnyUtil::getResourcePath() + "/image/CutListDlg/Video_icon.png");
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << pixmap;
    auto* mime = new QMimeData;
    mime->setData(kDragFormat, bytes);
    // The dragged segment's current position in the list.
    mime->setText(QString::number(getIndex()));
    return mime;
}

void QVideoConvertItem::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if ((event->pos() - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    QMimeData* mime = createDragData();
    QPixmap pixmap;
    QDataStream stream(mime->data(kDragFormat));
    stream >> pixmap;
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(pixmap.scaled(55, 45, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    drag->setHotSpot(QPoint(0, 0));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

bool QVideoConvertItem::acceptSegmentDrag(QDropEvent* event, const QObject* target)
{
    if (!event->mimeData()->hasFormat(kDragFormat)) {
        event->ignore();
        return false;
    }
    if (event->source() == target) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
    return true;
}

void QVideoConvertItem::dragEnterEvent(QDragEnterEvent* event)
{
    acceptSegmentDrag(event, this);
}

void QVideoConvertItem::dropEvent(QDropEvent* event)
{
    if (!acceptSegmentDrag(event, this))
        return;
    const int dragged = event->mimeData()->text().toInt();
    emit emitSwapItem(dragged, getIndex());
}
