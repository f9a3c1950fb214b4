#include "QVideoCutManageDlg.h"
#include "WorkspaceLog.h"

#include "QButtonListDlg.h"
#include "QCheckButton.h"
#include "QConverterObject.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QImageButtonEx.h"
#include "QSimpleTimeLine.h"
#include "QSliderCtrlBtn.h"
#include "QVelScrollBar.h"
#include "QVelScrollBarStyleAttribute.h"
#include "QVideoConvertItem.h"
#include "SettingKeys.h"
#include "VelInfoClass.h"
#include "VelVideoConvertItem.h"
#include "qSliderCtrl.h"

#include <QDebug>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>

QVideoCutManageDlg::QVideoCutManageDlg(QWidget* parent) : QImageWidget(parent)
{
    setupUi();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    m_stripButtons = new QButtonListDlg(this);
    m_stripButtons->show();
    connect(m_stripButtons, &QButtonListDlg::ClickIndex, this, &QVideoCutManageDlg::OnClickItem);
    m_info = std::make_unique<VelInfoClass>();
    m_info->Create_Info();
    initTimeLine();
    initButtons();
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setAcceptDrops(true);
    qRegisterMetaType<VelVideoConvertItem*>("VelVideoConvertItem*");
    initListArea();
    m_bLineMode = readSetting(SettingKeys::SegmentListLines);
    OnBtnHideList();
    m_timeLine->setVisible(false);
    m_btnEdit->setEnabled(false);
    m_btnDelete->setEnabled(false);
    retranslateUi();
}

QVideoCutManageDlg::~QVideoCutManageDlg()
{
    // The worker must be gone before the members it reads and the signal it
    // emits on; it is aborted first so a picture being decoded does not hold us.
    stopThumbnailWorker();
    // A run still going when the window goes: stop it and remove its partial
    // output, telling nobody (the window around us is already half gone).
    blockSignals(true);
    if (m_converter)
        QObject::disconnect(m_converter.get(), nullptr, this, nullptr);
    stopConversionForClose();
    qDeleteAll(m_rows);
    m_rows.clear();
    m_selectedRow = nullptr;
    m_converter.reset();
    delete m_timeLine;
    m_timeLine = nullptr;
    m_info.reset();
}

void QVideoCutManageDlg::setupUi()
{
    resize(591, 366);
    verticalLayoutWidget = new QWidget(this);
    m_verticalLayout = new QVBoxLayout;
    m_verticalLayout->setSpacing(0);
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);
    scrollArea = new QScrollArea(this);
    scrollArea->setWidgetResizable(true);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_scrollAreaWidget = new QWidget;
    m_ConvertLayout = new QVBoxLayout(m_scrollAreaWidget);
    m_ConvertLayout->setSpacing(0);
    m_ConvertLayout->setContentsMargins(0, 0, 0, 0);
    m_listLayout = new QVBoxLayout;
    m_ConvertLayout->addLayout(m_listLayout);
    m_ConvertLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    scrollArea->setWidget(m_scrollAreaWidget);
    m_verticalLayout->addWidget(scrollArea);

    m_btnShowList = new QImageButton(this);
    m_btnHideList = new QImageButton(this);
    m_btnSize = new QSliderCtrlBtn(this);
    m_btnAddItem = new QImageButton(this);
    m_progressBar = new qSliderCtrl(this);
    m_btnOpen = new QImageButtonEx(this);
    m_chkMerger = new QCheckButton(this);
    m_btnUp = new QImageButton(this);
    m_btnDown = new QImageButton(this);
    m_btnEdit = new QImageButton(this);
    m_btnDelete = new QImageButton(this);
    m_btnStyleList = new QImageButton(this);
    m_btnStyleLine = new QImageButton(this);
}

void QVideoCutManageDlg::initTimeLine()
{
    m_timeLine = new QSimpleTimeLine(this);
    // The small labels stay readable on the ruler's ground even where their thin
    // strokes are blended; the ticks stay quieter.
    m_timeLine->setTimeColor(QColor(190, 190, 190), QColor(119, 119, 119), QColor(32, 32, 32));
    m_timeLine->setBackgroundColor(QColor(51, 51, 51));
    m_timeLine->setSliderLineColor(QColor(194, 0, 0));
    m_timeLine->setTimeItemBGColor(QColor(74, 74, 74), QColor(74, 74, 74), QColor(244, 229, 137),
                                   QColor(74, 74, 74));
    m_timeLine->setSliderButtonImageAndPos(QIAnyUtil::getResourcePath() + "/image/CutListDlg/btn_silder_proess.png",
                                           4);
    connect(m_timeLine, &QSimpleTimeLine::emitTimeItemInfoChange, this, &QVideoCutManageDlg::timeItemInfoChange);
    connect(m_timeLine, &QSimpleTimeLine::emitProgressValueChanged, this,
            &QVideoCutManageDlg::emitProgressValueChanged);
    connect(m_timeLine, &QSimpleTimeLine::emitMousePress, this, &QVideoCutManageDlg::emitTimeLineMousePress);
    connect(m_timeLine, &QSimpleTimeLine::emitMouseRelease, this, &QVideoCutManageDlg::emitTimeLineMouseRelease);
    connect(m_timeLine, &QSimpleTimeLine::emitDeleteFile, this, &QVideoCutManageDlg::lineDeleteFile);
    // Queued on purpose: the worker emits it.
    connect(this, &QVideoCutManageDlg::seedLineImage, this, &QVideoCutManageDlg::lineImage, Qt::QueuedConnection);
}

void QVideoCutManageDlg::initButtons()
{
    const QString res = QIAnyUtil::getResourcePath();
    m_btnAddItem->setBtnImage(res + "/image/CutListDlg/btn_add.png");
    m_btnSize->setBtnImage(res + "/image/CutListDlg/btn_size.png");
    m_btnSize->setCursor(Qt::SizeVerCursor);
    m_btnShowList->setBtnImage(res + "/image/CutListDlg/btn_show.png");
    m_btnHideList->setBtnImage(res + "/image/CutListDlg/btn_hide.png");
    m_btnDelete->setBtnImage(res + "/image/CutListDlg/btn_moreline_delete.png");
    m_btnEdit->setBtnImage(res + "/image/CutListDlg/btn_moreline_edit.png");
    m_btnStyleLine->setBtnImage(res + "/image/CutListDlg/btn_oneline.png");
    m_btnStyleList->setBtnImage(res + "/image/CutListDlg/btn_moreline.png");
    m_btnUp->setBtnImage(res + "/image/CutListDlg/btn_up.png");
    m_btnDown->setBtnImage(res + "/image/CutListDlg/btn_down.png");
    m_btnOpen->setBtnImageAndText(res + "/image/CutListDlg/btn_open.png", QString(), 9);
    m_chkMerger->setCheckImage(res + "/image/Common_bg/btn_check_on.png", res + "/image/Common_bg/btn_check_off.png");

    connect(m_btnAddItem, &QImageButton::clicked, this, &QVideoCutManageDlg::emitBtnAdd);
    connect(m_btnShowList, &QImageButton::clicked, this, &QVideoCutManageDlg::OnBtnShowList);
    connect(m_btnHideList, &QImageButton::clicked, this, &QVideoCutManageDlg::OnBtnHideList);
    connect(m_btnSize, &QSliderCtrlBtn::mouseDownY, this, &QVideoCutManageDlg::btnSizeMouseDown);
    connect(m_btnSize, &QSliderCtrlBtn::mouseMoveY, this, &QVideoCutManageDlg::btnSizeMouseMove);
    connect(m_btnDelete, &QImageButton::clicked, this, &QVideoCutManageDlg::OnDelete);
    connect(m_btnEdit, &QImageButton::clicked, this, &QVideoCutManageDlg::OnEdit);
    connect(m_btnStyleLine, &QImageButton::clicked, this, &QVideoCutManageDlg::OnStyleLine);
    connect(m_btnStyleList, &QImageButton::clicked, this, &QVideoCutManageDlg::OnStyleList);
    connect(m_btnUp, &QImageButton::clicked, this, &QVideoCutManageDlg::OnBtnUp);
    connect(m_btnDown, &QImageButton::clicked, this, &QVideoCutManageDlg::OnBtnDown);
    connect(m_btnOpen, &QImageButtonEx::clicked, this, &QVideoCutManageDlg::OnBtnOpen);

    OnBtnHideList();
    m_btnAddItem->setEnabled(false);
    m_progressBar->setBottomImage(res + "/image/CutListDlg/trake1.png");
    m_progressBar->setTopImage(res + "/image/CutListDlg/trake2.png");
    m_progressBar->setCircle(true);
    m_progressBar->setCircleLenght(7);
    m_progressBar->setEnabledPull(false);
    m_progressBar->hide();
    m_progressBar->setValueRange(0, 100);
    m_progressBar->setValue(1);
    m_progressBar->setShowValue(true);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    m_chkMerger->setFont(font);
    m_chkMerger->setTextColor(QColor(55, 55, 55));
}

void QVideoCutManageDlg::initListArea()
{
    setLayout(m_verticalLayout);
    m_verticalLayout->setContentsMargins(10, 45, 10, 10);
    scrollArea->setFrameShape(QFrame::NoFrame);
    QPalette palette = m_scrollAreaWidget->palette();
    palette.setColor(QPalette::Window, QColor(32, 32, 32));
    m_scrollAreaWidget->setPalette(palette);
    m_scrollAreaWidget->setAutoFillBackground(true);
    auto* bar = new QVelScrollBar(scrollArea);
    QVelScrollBarStyleAttribute style;
    // The inner track takes the groove's colour, so the hover look shows one
    // handle, not a second handle-coloured bar behind it; the arrow-less ends
    // blend into the groove.
    style.grooveColor = style.hoverGrooveColor = style.buttonAreaColor = QColor(57, 55, 55);
    style.arrowColor = style.handleColor = QColor(91, 89, 89);
    style.handleHoverColor = style.handlePressedColor = QColor(102, 101, 101);
    style.extent = 10;
    style.hoverAlways = true;
    bar->setStyleAttribute(style);
    scrollArea->setVerticalScrollBar(bar);
    m_listLayout->setContentsMargins(5, 2, 5, 2);
    m_listLayout->setSpacing(2);
    scrollArea->hide();
}

void QVideoCutManageDlg::retranslateUi()
{
    m_btnUp->setToolTip(tr("Move Up"));
    m_btnDown->setToolTip(tr("Move Down"));
    m_btnOpen->setToolTip(tr("Open The Output Folder"));
    m_btnAddItem->setToolTip(tr("Add Segment"));
    m_btnShowList->setToolTip(tr("Show Segment List"));
    m_btnHideList->setToolTip(tr("Hide Segment List"));
    m_btnDelete->setToolTip(tr("Delete"));
    m_btnEdit->setToolTip(tr("Edit"));
    m_btnStyleLine->setToolTip(tr("Simple Mode"));
    m_btnStyleList->setToolTip(tr("Free Mode"));
    m_chkMerger->setText(tr("Merge Segments"));
    m_chkMerger->adjustSize();
    // The caption's rectangle was taken at the old width: widen it with the box.
    m_chkMerger->resize(m_chkMerger->width() + 4, m_chkMerger->height());
    m_chkMerger->setTextRect(QRect(QPoint(m_chkMerger->imageRect().width() + 5, 0),
                                   QPoint(m_chkMerger->width() - 1, m_chkMerger->height() - 1)));
    for (QVideoConvertItem* row : qAsConst(m_rows))
        row->retranslateUi();
    layoutHeader();
}

void QVideoCutManageDlg::setPanelHeight(int height)
{
    setMinimumHeight(height);
    setMaximumHeight(height);
}

void QVideoCutManageDlg::setMinHeigtChange(int height)
{
    m_changeHeight = height;
    if (!m_btnHideList->isHidden())
        setPanelHeight(m_barHeight + m_listBaseHeight + height);
}

TimeItemInfo QVideoCutManageDlg::getCurrentTimelineInfo() const
{
    return m_timeLine->getCurrentTimeItemInfo();
}

bool QVideoCutManageDlg::isWhetherAddItem() const
{
    return m_timeLine->isAddItem();
}

void QVideoCutManageDlg::setLineTime(uint64_t length)
{
    m_timeLine->setTime(length);
}

void QVideoCutManageDlg::videoPlayPro(double percent)
{
    m_timeLine->setProgressValue(percent / 100);
}

void QVideoCutManageDlg::playProValueChange(double fraction)
{
    m_timeLine->setProgressValue(fraction);
}

void QVideoCutManageDlg::setLineImageList(QImage image)
{
    m_timeLine->setImageList(image);
}

void QVideoCutManageDlg::CenterDlg(QDialog& dialog)
{
    const QPoint global = mapToGlobal(QPoint(0, 0));
    const int sum = global.x() + (width() - dialog.width()) / 2;
    const int x = sum < -9 ? 50 : sum + 10;
    const int y = qMax(0, global.y() + (height() - dialog.height()) / 2 - 220);
    dialog.move(x, y);
}

void QVideoCutManageDlg::updateStripVisibility()
{
    m_stripButtons->setVisible(!(m_bShowList || m_stripButtons->getItemCount() < 2 || m_bConverting));
}

void QVideoCutManageDlg::OnBtnShowList()
{
    m_btnShowList->hide();
    m_btnHideList->show();
    m_btnSize->show();
    m_stripButtons->hide();
    m_btnStyleLine->setEnabled(true);
    m_btnStyleList->setEnabled(true);
    m_btnStyleLine->setVisible(!m_bLineMode);
    m_btnStyleList->setVisible(m_bLineMode);
    m_btnDelete->setVisible(m_bLineMode);
    m_btnEdit->setVisible(m_bLineMode);
    m_btnUp->setVisible(!m_bLineMode);
    m_btnDown->setVisible(!m_bLineMode);
    if (!m_bShowList) {
        m_bShowList = true;
        setPanelHeight(m_barHeight + m_listBaseHeight + m_changeHeight);
        emit emitChangeHeight(m_listBaseHeight + m_changeHeight, true);
    }
    layoutHeader();
    update();
}

void QVideoCutManageDlg::OnBtnHideList()
{
    m_btnShowList->show();
    m_btnHideList->hide();
    m_btnSize->hide();
    m_btnStyleLine->setEnabled(false);
    m_btnStyleList->setEnabled(false);
    m_btnStyleLine->setVisible(!m_bLineMode);
    m_btnStyleList->setVisible(m_bLineMode);
    m_btnDelete->hide();
    m_btnEdit->hide();
    m_btnUp->hide();
    m_btnDown->hide();
    const bool wasShown = m_bShowList;
    m_bShowList = false;
    updateStripVisibility();
    if (wasShown) {
        setPanelHeight(m_barHeight);
        emit emitChangeHeight(m_listBaseHeight + m_changeHeight, false);
    } else {
        setPanelHeight(m_barHeight);
    }
    layoutHeader();
    update();
}

void QVideoCutManageDlg::btnSizeMouseDown(QMouseEvent*, int offset)
{
    const int base = m_barHeight + m_listBaseHeight;
    m_pressRefY = mapToGlobal(QPoint(0, 0)).y() + 10 + offset;
    m_extraHeight = qMax(0, height() - base);
    int spare = 0;
    QWidget* window = parentWidget() ? parentWidget()->parentWidget() : nullptr;
    if (!window || !QMetaObject::invokeMethod(window, "getPlayDlgVariableH", Qt::DirectConnection,
                                              Q_RETURN_ARG(int, spare)))
        spare = 0;
    m_spareHeight = qMax(0, spare);
    m_changeHeight = height() - base;
}

void QVideoCutManageDlg::btnSizeMouseMove(QMouseEvent* event, int)
{
    const int base = m_barHeight + m_listBaseHeight;
    const int delta = event->globalPos().y() - m_pressRefY;
    if (delta <= 0) {
        const int h = qMin(base + m_changeHeight - delta, base + m_changeHeight + m_spareHeight);
        setPanelHeight(h);
        m_extraHeight = qMax(0, h - base);
    } else {
        setPanelHeight(delta <= m_extraHeight ? base + m_changeHeight - delta : base);
    }
}

void QVideoCutManageDlg::layoutHeader()
{
    const int w = width();
    // Every control of the header strip on one line: centred on the strip.
    auto baseY = [](QWidget* widget) { return (45 - widget->height()) / 2; };
    auto right = [](QWidget* widget) { return widget->x() + widget->width() - 1; };

    m_btnAddItem->move(18, baseY(m_btnAddItem));
    if (m_bLineMode && m_bShowList) {
        m_btnEdit->move(right(m_btnAddItem) + 10, baseY(m_btnEdit));
        m_btnDelete->move(right(m_btnEdit) + 10, baseY(m_btnDelete));
        m_chkMerger->move(right(m_btnDelete) + 10, baseY(m_chkMerger));
    } else {
        m_chkMerger->move(right(m_btnAddItem) + 10, baseY(m_chkMerger));
    }
    const int showX = w - 20 - m_btnShowList->width();
    m_btnShowList->move(showX, baseY(m_btnShowList));
    m_btnHideList->move(showX, baseY(m_btnHideList));
    m_btnOpen->move(m_btnHideList->x() - m_btnOpen->width(), baseY(m_btnOpen));
    m_btnStyleLine->move(m_btnOpen->x() - 10 - m_btnStyleLine->width(), baseY(m_btnStyleLine));
    m_btnStyleList->move(m_btnOpen->x() - 10 - m_btnStyleLine->width(), baseY(m_btnStyleList));
    const int modeX = m_bLineMode ? m_btnStyleList->x() : m_btnStyleLine->x();
    m_btnDown->move(modeX - 10 - m_btnDown->width(), baseY(m_btnDown));
    m_btnUp->move(m_btnDown->x() - 10 - m_btnUp->width(), baseY(m_btnUp));
    m_btnSize->move((w - 10 - m_btnSize->width()) / 2, baseY(m_btnSize));
    m_stripButtons->move((w - 10 - m_stripButtons->width()) / 2 + 7, baseY(m_stripButtons));
    const float value = m_progressBar->getValue();
    m_progressBar->setGeometry(QRect(QPoint(right(m_btnAddItem) + 10, 3), QPoint(m_btnStyleList->x() - 11, 41)));
    m_progressBar->setValue(value);
}

void QVideoCutManageDlg::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect(), QColor(51, 51, 51));
    if (m_bShowList) {
        QPainterPath frame;
        frame.moveTo(w - 6, 44);
        frame.lineTo(5, 44);
        frame.lineTo(5, h - 12);
        frame.quadTo(5, h - 6, 11, h - 6);
        frame.lineTo(w - 12, h - 6);
        frame.quadTo(w - 6, h - 6, w - 6, h - 12);
        frame.lineTo(w - 6, 44);
        painter.fillPath(frame, QColor(207, 207, 207));
    }
    QPainterPath header;
    header.moveTo(w - 12, 0);
    header.lineTo(11, 0);
    header.quadTo(5, 0, 5, 6);
    header.lineTo(5, 44);
    header.lineTo(w - 6, 44);
    header.lineTo(w - 6, 6);
    header.quadTo(w - 6, 0, w - 12, 0);
    QLinearGradient gradient(0, 0, 0, 45);
    gradient.setColorAt(0, QColor(228, 228, 228));
    gradient.setColorAt(0.9, QColor(207, 207, 207));
    painter.setPen(Qt::NoPen);
    painter.fillPath(header, gradient);
    if (m_bLineMode && m_bShowList)
        painter.fillRect(QRect(QPoint(10, 45), QPoint(w - 11, h - 11)), QColor(51, 51, 51));
}

void QVideoCutManageDlg::resizeEvent(QResizeEvent* event)
{
    QImageWidget::resizeEvent(event);
    m_timeLine->setGeometry(10, 45, width() - 20, height() - 65);
    layoutHeader();
}

void QVideoCutManageDlg::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(Qt::ArrowCursor);
    QImageWidget::mouseMoveEvent(event);
}

void QVideoCutManageDlg::dragEnterEvent(QDragEnterEvent* event)
{
    QVideoConvertItem::acceptSegmentDrag(event, this);
}

void QVideoCutManageDlg::dropEvent(QDropEvent* event)
{
    if (QVideoConvertItem::acceptSegmentDrag(event, this))
        qCDebug(lcWorkspace) << "segment dropped outside a row:" << event->mimeData()->text();
}
