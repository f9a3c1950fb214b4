#include "QCaptureSettingDlg.h"

#include "QVEInitCtrlStyle.h"
#include "QVedioEditSettingXml.h"
#include "VECommonClass.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }
}

QCaptureSettingDlg::QCaptureSettingDlg(QWidget* parent) : QVelDialog(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const QString title = tr("Snapshot Setting");
    setDlgTitle(title);
    setWindowTitle(title);
    setTitleRect(QRect(0, 8, 0, 0));
    setAlignment(Qt::AlignCenter);
    QVEInitCtrlStyle::SetPalette(this, QPalette::WindowText, QColor(246, 246, 246));
    setMoveTopHeight(30);
    setStretchWidth(6);
    setBackgroundImage(picture("/bg_3.png"), false);
    setAttribute(Qt::WA_TranslucentBackground, true);
    QVEInitCtrlStyle::SetFont(this, 12);
    initControls();
    initCbbSuffix();
    setSavePath();
    setFixedSize(360, 230);
    const rectSize corner{50, 50};
    setGridViewInfo(corner, corner, corner, corner);
}

QCaptureSettingDlg::~QCaptureSettingDlg() = default;

void QCaptureSettingDlg::initControls()
{
    m_btnClose->setButtonImage(picture("/btn_close_c.png"));
    m_btnMin->setButtonImage(picture("/btn_min.png"));
    m_btnMin->setEnabled(false);
    m_btnMax->setButtonImage(picture("/btn_max.png"));
    m_btnMax->setEnabled(false);
    m_btnOpen->setButtonImage(picture("/btn_family.png"));
    m_btnOpen->setToolTip(tr("Please choose destination folder"));
    QVEInitCtrlStyle::SetLabel2(m_labFormat, tr("Format:"), 12);
    QVEInitCtrlStyle::SetLabel2(m_labPath, tr("Save to:"), 12);
    QVEInitCtrlStyle::SetVelButton(m_btnOk, 64, 28);
    QVEInitCtrlStyle::SetVelButton(m_btnCancel, 64, 28);
    QVEInitCtrlStyle::SetQVelComboBox(m_cmbFormat);
    m_cmbFormat->addItems({QStringLiteral("JPG"), QStringLiteral("PNG")});
    m_cmbFormat->setBtnMargins(-1, -1, 2, 0);
    QVEInitCtrlStyle::SetQVelLineEdit(m_editPath);
    m_editPath->setAlignment(Qt::AlignLeft | Qt::AlignHCenter);
    m_editPath->setReadOnly(true);
    m_editPath->setElidePath(true);

    connect(m_btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_btnOpen, &QAbstractButton::clicked, this, &QCaptureSettingDlg::onOpenPath);
    connect(m_btnOk, &QAbstractButton::clicked, this, &QCaptureSettingDlg::onOk);
}

void QCaptureSettingDlg::initCbbSuffix()
{
    const int row = m_cmbFormat->findText(QVedioEditSettingXml::getCaptureImgSuffix(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row >= 0)
        m_cmbFormat->setCurrentIndex(row);
}

void QCaptureSettingDlg::setSavePath()
{
    m_savePath = QVedioEditSettingXml::getCaptrueImaSavePath().replace('\\', '/');
    showPath(m_savePath);
}

void QCaptureSettingDlg::showPath(const QString& path)
{
    m_editPath->setText(path);
    m_editPath->setCursorPosition(0);
}

// Starts in the home folder: the working folder of a bundled program says
// nothing to the user.
void QCaptureSettingDlg::onOpenPath()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Save to"), QDir::homePath(), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    m_savePath = folder;
    showPath(m_savePath);
}

void QCaptureSettingDlg::onOk()
{
    QVedioEditSettingXml::setCaptureImgSuffix(m_cmbFormat->currentText());
    QVedioEditSettingXml::setCaptrueImaPath(m_savePath);
    accept();
}

void QCaptureSettingDlg::closeEvent(QCloseEvent* event)
{
    emit emitDlgClose();
    QDialog::closeEvent(event);
}

void QCaptureSettingDlg::resizeEvent(QResizeEvent* event)
{
    QVelDialog::resizeEvent(event);
    const auto right = [](const QWidget* w) { return w->geometry().right(); };
    const auto bottom = [](const QWidget* w) { return w->geometry().bottom(); };
    m_btnClose->move(13, 13);
    m_btnMin->move(right(m_btnClose) + 9, 13);
    m_btnMax->move(right(m_btnMin) + 9, 13);
    m_labFormat->move(28, 63);
    m_cmbFormat->move(right(m_labFormat) + 6, m_labFormat->y());
    m_labPath->move(28, bottom(m_labFormat) + 20);
    m_editPath->move(right(m_labPath) + 6, m_labPath->y());
    m_btnOpen->move(right(m_editPath), m_labPath->y());
    m_btnCancel->move(width() - 28 - m_btnCancel->width(), height() - 28 - m_btnCancel->height());
    m_btnOk->move(m_btnCancel->x() - 20 - m_btnOk->width(), m_btnCancel->y());
}
