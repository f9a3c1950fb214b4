#include "QWatermarkOperationForm.h"

#include "QPanelChooser.h"
#include "QVEInitCtrlStyle.h"
#include "QVelBaseTextEdit.h"
#include "QVelScrollBar.h"
#include "QVideoEditingSettings.h"
#include "VECommonClass.h"
#include "VelInfoManager.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTextEdit>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }

// The thumbnail sits in the add button's top left corner, 65 x 65 pixels.
const QRect kThumbnailRect(QPoint(0, 0), QPoint(64, 64));
constexpr int kThumbnailSize = 50;
constexpr double kAlphaPerPercent = 2.55;
}

QWatermarkOperationForm::QWatermarkOperationForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QWatermarkOperationForm::~QWatermarkOperationForm() = default;

void QWatermarkOperationForm::initControls()
{
    m_btnAddWKImg->setButtonImage(picture("/add_watermark_image.png"), true);
    m_btnAddWKImg->setBackgroundColor(QColor(51, 51, 51));
    m_btnAddWKImg->setToolTip(QObject::tr("Add Watermark Image"));
    m_btnDelete->setButtonImage(picture("/delete_watermark_image.png"), true);
    m_btnDelete->setToolTip(QObject::tr("Delete"));
    m_btnSetWKTFont->setButtonImage(picture("/btn_text_font.png"), true);
    m_btnSetWKTFont->setToolTip(QObject::tr("Set Font"));
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(m_btnAddWKImg), static_cast<QAbstractButton*>(m_btnDelete),
                               static_cast<QAbstractButton*>(m_btnSetWKTFont)})
        b->setText(QString());

    QVEInitCtrlStyle::SetLabel(m_lblWatermarkImage, QObject::tr("Image:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblTransparency, QObject::tr("Transparency:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblWatermarkText, QObject::tr("Text:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblTextTransparency, QObject::tr("Transparency:"), 12);

    for (QVelBaseSlider* slider : {m_sliderAlpha, m_sliderTextAlpha}) {
        QVEInitCtrlStyle::SetQVelSlider(slider);
        slider->setRange(0, 255);
        slider->setValue(255);
        connect(slider, &QVelBaseSlider::sendProgressValue, this, &QWatermarkOperationForm::progressValue);
    }
    for (QVelLineEdit* edit : {m_leAlphaValue, m_leTextAlphaValue}) {
        QVEInitCtrlStyle::SetQVelLineEdit(edit);
        edit->resize(46, 22);
        connect(edit, &QLineEdit::textEdited, this, &QWatermarkOperationForm::alphaTextEdited);
    }

    m_leAddWKText->setBackgroundImage(picture("/edit_background.png"));
    m_leAddWKText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QTextEdit* text = m_leAddWKText->textEdit();
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QVEInitCtrlStyle::SetFont(text, 11);
    QVEInitCtrlStyle::SetPalette(text, QPalette::Text, QColor(246, 246, 246));
    m_textScrollBar = new QVelScrollBar(Qt::Vertical, text);
    QVEInitCtrlStyle::SetQVelScrollBar(m_textScrollBar);
    text->setVerticalScrollBar(m_textScrollBar);
    connect(text, &QTextEdit::textChanged, this, &QWatermarkOperationForm::wkTextEdited);

    connect(m_btnAddWKImg, &QAbstractButton::clicked, this, &QWatermarkOperationForm::onSetAddWKImg);
    connect(m_btnDelete, &QAbstractButton::clicked, this, &QWatermarkOperationForm::onDeleteImage);
    connect(m_btnSetWKTFont, &QAbstractButton::clicked, this, &QWatermarkOperationForm::emitWatermartTextSetting);
    connect(m_buttonFrom, &QCommonButtonForm::emitApplyToAll, this, &QWatermarkOperationForm::emitApplyToAll);
    connect(m_buttonFrom, &QCommonButtonForm::emitReset, this, &QWatermarkOperationForm::reset);
}

void QWatermarkOperationForm::setEditSettings(QVideoEditingSettings* settings) { m_settings = settings; }

int QWatermarkOperationForm::alphaToPercent(uint32_t alpha) { return int(alpha / kAlphaPerPercent); }

uint32_t QWatermarkOperationForm::percentToAlpha(int percent) { return uint32_t(percent * kAlphaPerPercent); }

uint32_t QWatermarkOperationForm::fractionToAlpha(double fraction)
{
    return uint32_t(qBound(0.0, 255.0 * fraction + 0.5, 255.0));
}

void QWatermarkOperationForm::writeLayer(VEWatermarkSettings& layer, bool readBack, bool reloadFiles)
{
    m_settings->setWatermarkSettings(layer, readBack, reloadFiles);
}

void QWatermarkOperationForm::loadingSetting()
{
    if (!m_settings)
        return;
    VEWatermarkSettings layer;
    m_settings->getWatermarkSettings(layer);
    m_sliderAlpha->setValue(int(layer.m_imageSettings.m_alpha));
    m_leAlphaValue->setText(QString::number(alphaToPercent(layer.m_imageSettings.m_alpha)));
    m_sliderTextAlpha->setValue(int(layer.m_textSettings.m_alpha));
    m_leTextAlphaValue->setText(QString::number(alphaToPercent(layer.m_textSettings.m_alpha)));
    // Raises the editor's change signal, which writes the layer once.
    m_leAddWKText->textEdit()->setPlainText(QString::fromUtf8(layer.m_textSettings.m_text));
    const QString image = QFile::decodeName(layer.m_imageSettings.m_imageFile);
    showThumbnail(image.isEmpty() ? QImage() : thumbnail(image));
    m_btnDelete->setVisible(!image.isEmpty());
}

QImage QWatermarkOperationForm::thumbnail(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return QImage();
    VelInfoManager info;
    info.createrPlayer();
    info.setMediaFile(path, 0, false);
    return info.getThumbnail(kThumbnailSize);
}

void QWatermarkOperationForm::showThumbnail(const QImage& image)
{
    m_btnAddWKImg->setTagImg(kThumbnailRect, image);
}

void QWatermarkOperationForm::onSetAddWKImg()
{
    emit emitOpenDlg(true);
    const QString path = QPanelChooser::getOpenFileName(
        this, QObject::tr("Open Image"), QDir::homePath(),
        QObject::tr("Images (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;"
                    "All files (*)"));
    emit emitOpenDlg(false);
    if (path.isEmpty() || !m_settings)
        return;
    // Decoded once, here: a file the media layer cannot read would leave an
    // invisible watermark in the record, so it is refused and nothing changes.
    const QImage shown = thumbnail(path);
    if (shown.isNull()) {
        QPanelChooser::showWarning(this, QObject::tr("The file \"%1\" is not a picture that can be read.")
                                             .arg(QFileInfo(path).fileName()));
        return;
    }
    VEWatermarkSettings layer;
    m_settings->getWatermarkSettings(layer);
    layer.m_imageSettings.m_imageFile = QFile::encodeName(path);
    if (m_settings->getIsWatermarkAudioStartTime()) {
        layer.m_imageSettings.m_showStart = m_settings->getTrimStartTime();
        layer.m_imageSettings.m_showEnd = 0;
    }
    writeLayer(layer, true, true);
    showThumbnail(shown);
    m_btnDelete->show();
}

void QWatermarkOperationForm::onDeleteImage()
{
    if (!m_settings)
        return;
    VEWatermarkSettings layer;
    m_settings->getWatermarkSettings(layer);
    layer.m_imageSettings.m_imageFile.clear();
    writeLayer(layer, true, true);
    m_btnAddWKImg->setTagImg(kThumbnailRect, QString());
    m_btnDelete->hide();
}

void QWatermarkOperationForm::progressValue(double value)
{
    if (!m_settings)
        return;
    VEWatermarkSettings layer;
    m_settings->getWatermarkSettings(layer);
    const uint32_t alpha = fractionToAlpha(value);
    const bool image = sender() == m_sliderAlpha;
    if (!image && sender() != m_sliderTextAlpha)
        return;
    uint32_t& field = image ? layer.m_imageSettings.m_alpha : layer.m_textSettings.m_alpha;
    if (field != alpha) {
        field = alpha;
        writeLayer(layer, false, false);
    }
    (image ? m_leAlphaValue : m_leTextAlphaValue)->setText(QString::number(alphaToPercent(alpha)));
}

void QWatermarkOperationForm::alphaTextEdited(QString text)
{
    if (!m_settings)
        return;
    auto* edit = qobject_cast<QLineEdit*>(sender());
    const bool image = edit == m_leAlphaValue;
    if (!image && edit != m_leTextAlphaValue)
        return;
    int percent = text.toInt();
    if (percent > 100) {
        percent = 100;
        edit->setText(QStringLiteral("100"));
    }
    VEWatermarkSettings layer;
    m_settings->getWatermarkSettings(layer);
    const uint32_t alpha = percentToAlpha(qMax(percent, 0));
    uint32_t& field = image ? layer.m_imageSettings.m_alpha : layer.m_textSettings.m_alpha;
    if (field != alpha) {
        field = alpha;
        writeLayer(layer, false, false);
    }
    (image ? m_sliderAlpha : m_sliderTextAlpha)->setValue(int(alpha));
}

void QWatermarkOperationForm::wkTextEdited()
{
    if (!m_settings)
        return;
    const QByteArray text = m_leAddWKText->textEdit()->toPlainText().toUtf8();
    VEWatermarkSettings layer;
    m_settings->getWatermarkSettings(layer);
    if (layer.m_textSettings.m_text != text) {
        layer.m_textSettings.m_text = text;
        if (m_settings->getIsWatermarkAudioStartTime()) {
            layer.m_textSettings.m_showStart = m_settings->getTrimStartTime();
            layer.m_textSettings.m_showEnd = 0;
        }
    }
    writeLayer(layer, true, true);
}

void QWatermarkOperationForm::reset()
{
    if (!m_settings)
        return;
    VEWatermarkSettings layer;
    writeLayer(layer, true, false);
    loadingSetting();
}

void QWatermarkOperationForm::showEvent(QShowEvent* event)
{
    if (!m_bLoaded) {
        m_bLoaded = true;
        loadingSetting();
    }
    QWidget::showEvent(event);
}

void QWatermarkOperationForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int h = height();
    painter.fillRect(rect(), QColor(51, 51, 51));
    const QColor column(74, 74, 74);
    painter.fillRect(QRect(0, 0, 387, h), column);
    painter.fillRect(QRect(QPoint(389, 0), QPoint(width() - 137, h - 1)), column);
    painter.fillRect(QRect(width() - 134, 0, 134, h), column);
}

// "n right of" a widget: a left edge at its last column plus n; "n below": a
// top at its last row plus n.
void QWatermarkOperationForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_lblWatermarkImage->move(18, 12);
    m_btnAddWKImg->move(18, m_lblWatermarkImage->geometry().bottom() + 20);
    const QRect add = m_btnAddWKImg->geometry();
    m_btnDelete->move(add.right() - m_btnDelete->width(), add.top());
    m_lblTransparency->move(add.right() + 40, m_lblWatermarkImage->y());
    m_sliderAlpha->move(add.right() + 34, m_lblTransparency->geometry().bottom() + 35);
    m_leAlphaValue->move(m_sliderAlpha->geometry().right() + 8, m_sliderAlpha->y());

    m_lblWatermarkText->move(407, 12);
    m_leAddWKText->move(407, m_lblWatermarkText->geometry().bottom() + 10);
    const QRect editor = m_leAddWKText->geometry();
    m_btnSetWKTFont->move(editor.right() + 8, editor.bottom() - m_btnSetWKTFont->height());
    m_lblTextTransparency->move(m_lblWatermarkText->x(), editor.bottom() + 10);
    m_sliderTextAlpha->move(m_lblTextTransparency->x() - 6, m_lblTextTransparency->geometry().bottom() + 10);
    m_leTextAlphaValue->move(m_sliderTextAlpha->geometry().right() + 8, m_sliderTextAlpha->y());

    m_buttonFrom->resize(134, height());
    m_buttonFrom->move(width() - 134, 0);
}
