#include "QMediaForm.h"

#include "AudioDataAttribute.h"
#include "QAudioDataWidget.h"
#include "QMediaBorderFrame.h"
#include "QMediaElementWindow.h"
#include "VECommonClass.h"

#include <QPainter>

QMediaForm::QMediaForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QMediaForm::QMediaForm(VelPlayerManager* player, QWidget* parent) : QMediaForm(parent)
{
    setPlayerManager(player);
    setOperationType(0);
}

QMediaForm::~QMediaForm()
{
    delete m_originalWindow;
    delete m_previewWindow;
    delete m_cropFrame;
    delete m_watermarkFrame;
    delete m_audioView;
}

void QMediaForm::initControls()
{
    AudioDataAttribute attribute;
    attribute.barWidth = 11;
    attribute.blockHeight = 3;
    attribute.barSpace = 2;
    attribute.blockSpace = 2;
    attribute.showPeak = 1;
    attribute.peakFalling = 1;
    attribute.radius = 1.3;
    attribute.barColor = QColor(243, 228, 142);
    attribute.peakColor = QColor(243, 228, 142);
    attribute.drawMode = 0;
    m_audioView = new QAudioDataWidget(this, &attribute);
    m_audioView->setAudioLogo(VECommonClass::getCustomResPath() + QStringLiteral("/PlayerImage/bg_audio.png"));
    m_audioView->setGeometry(6, 6, 390, 230);
    m_audioView->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    m_audioView->hide();

    m_originalWindow = new QMediaElementWindow(this);
    m_previewWindow = new QMediaElementWindow(this);
    for (QMediaElementWindow* window : {m_originalWindow, m_previewWindow}) {
        window->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
        window->hide();
    }
    connect(m_originalWindow, &QMediaElementWindow::emitVideoElementSizeChange, this,
            &QMediaForm::originalVideoElementSizeChange);
    connect(m_previewWindow, &QMediaElementWindow::emitVideoElementSizeChange, this,
            &QMediaForm::previewVideoElementSizeChange);

    m_cropFrame = new QMediaBorderFrame(this);
    m_watermarkFrame = new QMediaBorderFrame(this);
    m_watermarkFrame->addDashFrameItem(QRect());
    m_watermarkFrame->addDashFrameItem(QRect());
    m_cropFrame->hide();
    m_watermarkFrame->hide();
}

void QMediaForm::setPlayerManager(VelPlayerManager* player)
{
    m_player = player;
    if (!player)
        return;
    connect(player, &VelPlayerManager::emitIsHaveVideo, this, &QMediaForm::isHaveVideo);
    connect(player, &VelPlayerManager::emitAudioData, this, &QMediaForm::audioData);
    connect(player, &VelPlayerManager::emitPlayerChange, this, &QMediaForm::playerChange);
    connect(player, &VelPlayerManager::emitCropAreaChange, this, &QMediaForm::CropAreaChange);
    connect(player, &VelPlayerManager::emitWatermarkRectChange, this, &QMediaForm::watermarkRectChange);
    // The player's mouse slots are private; the string connections reach them.
    connect(m_cropFrame, SIGNAL(emitMouseMoveEvent(QMouseEvent*)), player, SLOT(mouseMoveEvent(QMouseEvent*)));
    connect(m_cropFrame, SIGNAL(emitMousePressEvent(QMouseEvent*)), player, SLOT(mousePressEvent(QMouseEvent*)));
    connect(m_cropFrame, SIGNAL(emitMouseReleaseEvent(QMouseEvent*)), player, SLOT(mouseReleaseEvent(QMouseEvent*)));
    connect(m_watermarkFrame, SIGNAL(emitMouseMoveEvent(QMouseEvent*)), player,
            SLOT(mouseWatermarkMoveEvent(QMouseEvent*)));
    connect(m_watermarkFrame, SIGNAL(emitMousePressEvent(QMouseEvent*)), player,
            SLOT(mouseWatermarkPressEvent(QMouseEvent*)));
    connect(m_watermarkFrame, SIGNAL(emitMouseReleaseEvent(QMouseEvent*)), player,
            SLOT(mouseWatermarkReleaseEvent(QMouseEvent*)));
    player->setMediaOriginalWindow(m_originalWindow);
    player->setMediaPreviewWindow(m_previewWindow);
}

void QMediaForm::attachOriginal(bool attach)
{
    if (m_player)
        m_player->setMediaOriginalWindow(attach ? m_originalWindow : nullptr);
}

// Which surfaces each tab shows; the unedited picture is only drawn while it
// is on screen.
void QMediaForm::setOperationType(int type)
{
    m_operationType = type;
    if (type > 6 || type == 6)
        return;
    bool original = false;
    bool preview = false;
    bool crop = false;
    bool watermark = false;
    bool audio = false;
    if (!m_bHaveVideo) {
        audio = type == 0 || type == 5;
        attachOriginal(true);
    } else if (type == 0) {
        preview = true;
        attachOriginal(false);
    } else {
        original = preview = true;
        crop = type == 1;
        watermark = type == 3;
        attachOriginal(true);
    }
    m_originalWindow->setVisible(original);
    m_previewWindow->setVisible(preview);
    m_cropFrame->setVisible(crop);
    m_watermarkFrame->setVisible(watermark);
    m_audioView->setVisible(audio);
    resizeEvent(nullptr);
}

void QMediaForm::isHaveVideo(bool hasVideo)
{
    m_bHaveVideo = hasVideo;
    setOperationType(m_operationType);
}

void QMediaForm::audioData(unsigned char* data, int rate) { m_audioView->setAudioData(data, rate); }

void QMediaForm::playerChange()
{
    if (m_player)
        m_player->resizeVideoWindow();
    m_watermarkFrame->setDashFrameItemForList(QRect(), 0);
    m_watermarkFrame->setDashFrameItemForList(QRect(), 1);
}

void QMediaForm::resetBorderFrameLocation()
{
    if (m_cropFrame)
        m_cropFrame->move(6, 6);
    if (m_watermarkFrame)
        m_watermarkFrame->move((width() - 18) / 2 + 12, 6);
}

void QMediaForm::setBoiderFrameRect(QRect picture, VECropSettings s)
{
    if (!m_cropFrame)
        return;
    const bool panScan = s.m_padding != 0 && s.m_cropMode == 1 && s.m_aspectMode != 2;
    const QRectF& r = panScan ? s.m_padCropRect : s.m_cropRect;
    const double w = picture.width();
    const double h = picture.height();
    const QRect box(int(r.x() * w + picture.x() + 0.5), int(r.y() * h + picture.y() + 0.5), int(w * r.width() + 0.5),
                    int(h * r.height() + 0.5));
    m_cropFrame->setDashedFrame(box, false);
}

void QMediaForm::placeWatermarkBox(int index, bool used, double x, double y, double bw, double bh, const QRect& picture)
{
    const double w = picture.width();
    const double h = picture.height();
    if (used) {
        m_watermarkFrame->setDashFrameItemShow(index, true);
        m_watermarkFrame->setDashFrameItemForList(QRect(int(x * w + picture.x() + 0.5), int(y * h + picture.y() + 0.5),
                                                        int(w * bw + 0.5 + 1.5), int(h * bh + 0.5 + 1.5)),
                                                  index);
        return;
    }
    m_watermarkFrame->setDashFrameItemShow(index, false);
    m_watermarkFrame->setDashFrameItemForList(QRect(int(x * w + picture.x()), int(y * h + picture.y()), 0, 0), index);
}

void QMediaForm::setBoiderFrameRect(QRect picture, VEWatermarkSettings s)
{
    if (!m_watermarkFrame)
        return;
    const VEWatermarkTextSettings& t = s.m_textSettings;
    const VEWatermarkImageSettings& i = s.m_imageSettings;
    placeWatermarkBox(0, !t.m_text.isEmpty(), t.m_posX, t.m_posY, t.m_layoutWidth, t.m_layoutHeight, picture);
    placeWatermarkBox(1, !i.m_imageFile.isEmpty(), i.m_posX, i.m_posY, i.m_layoutWidth, i.m_layoutHeight, picture);
}

void QMediaForm::setBoiderFrameSize(VECropSettings settings)
{
    setBoiderFrameRect(m_originalWindow->getVideoElementRect(), settings);
}

void QMediaForm::hiddenBorderFrame()
{
    m_cropFrame->hide();
    m_watermarkFrame->hide();
}

void QMediaForm::CropAreaChange(VECropSettings settings)
{
    setBoiderFrameRect(m_originalWindow->getVideoElementRect(), settings);
}

void QMediaForm::originalVideoElementSizeChange(QRect rect)
{
    if (!m_player)
        return;
    VECropSettings s;
    m_player->getCropSettings(s);
    setBoiderFrameRect(rect, s);
}

void QMediaForm::previewVideoElementSizeChange(QRect rect)
{
    if (m_watermarkFrame)
        m_watermarkFrame->setVideoDashedFrame(rect);
    if (!m_player)
        return;
    VEWatermarkSettings s;
    int layer = -1;
    m_player->getCurrentWatermarkSettings(s, layer);
    setBoiderFrameRect(rect, s);
}

void QMediaForm::watermarkRectChange(VEWatermarkSettings settings, int)
{
    if (m_previewWindow)
        setBoiderFrameRect(m_previewWindow->getVideoElementRect(), settings);
}

void QMediaForm::resizeEvent(QResizeEvent*)
{
    const int w = width();
    const int h = height();
    if (m_operationType != 0) {
        const int half = (w - 18) / 2;
        for (QWidget* widget : {static_cast<QWidget*>(m_originalWindow), static_cast<QWidget*>(m_previewWindow),
                                static_cast<QWidget*>(m_cropFrame), static_cast<QWidget*>(m_watermarkFrame)})
            widget->resize(half, h - 12);
        m_originalWindow->move(6, 6);
        m_previewWindow->move(half + 12, 6);
        resetBorderFrameLocation();
    } else {
        m_previewWindow->resize(w - 12, h - 12);
        m_previewWindow->move(6, 6);
    }
    m_audioView->move((w - m_audioView->width()) / 2, (h - m_audioView->height()) / 2);
    if (m_player)
        m_player->resizeVideoWindow();
}

void QMediaForm::paintEvent(QPaintEvent*)
{
    if (m_bHaveVideo)
        return;
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(6, 6), QPoint(width() - 7, height() - 7)), Qt::black);
}

void QMediaForm::showEvent(QShowEvent* event) { QWidget::showEvent(event); }
