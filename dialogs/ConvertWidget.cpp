#include "ConvertWidget.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QVelMessageBox.h"
#include "SettingKeys.h"

#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

// The groups paint the page's own ground: the page's rule at y 80 would
// otherwise run through the Output box, behind its path and buttons.
const char kGroupStyle[] =
    "QGroupBox{border:1px solid gray; border-radius:5px;margin-top:2ex;background-color:rgb(51,51,51);} "
    "QGroupBox::title {subcontrol-origin: margin;subcontrol-position: top left;left:5px;padding:0px;}";

const char kPathStyle[] = "QTextEdit{background-color: rgb(45,45, 45);  border-radius:5px;}"
                          "QTextEdit{border:0px solid #b9babb;}QTextEdit{color: rgb(228,228,228);}";

// The forms were laid out for the 72-dpi points of the first platform, where a
// point is a pixel; taken as points at 96 dpi the captions outgrow their boxes.
QFont tahomaPoints(int points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(points);
    return font;
}

// Makes folder and its missing parents; on failure the system's reason.
bool makeFolder(const QString& folder, QString& reason)
{
    if (QFileInfo(folder).isDir())
        return true;
    QString partial;
    for (const QString& part : QDir::cleanPath(folder).split(QLatin1Char('/'))) {
        partial += part + QLatin1Char('/');
        if (part.isEmpty() || QFileInfo(partial).isDir())
            continue;
        if (::mkdir(QFile::encodeName(partial).constData(), 0777) != 0 && errno != EEXIST) {
            reason = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
    }
    if (QFileInfo(folder).isDir())
        return true;
    reason = QString::fromLocal8Bit(std::strerror(ENOTDIR));
    return false;
}

} // namespace

ConvertWidget::ConvertWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    InitCtrl();
    InitBtn();
}

ConvertWidget::~ConvertWidget() = default;

QString ConvertWidget::defaultOutPath()
{
    return QString(QIAnyUtil::getDocumentPath() + "/Converted/").replace('\\', '/');
}

void ConvertWidget::InitCtrl()
{
    m_GroupFinish->setTitle(QObject::tr("Conversion Completed"));
    m_GroupOutputPath_2->setTitle(QObject::tr("Output"));
    for (QGroupBox* group : {m_GroupOutputPath_2, m_GroupFinish}) {
        group->setStyleSheet(kGroupStyle);
        QPalette palette = group->palette();
        for (QPalette::ColorGroup cg : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(cg, QPalette::WindowText, QColor(228, 228, 228));
        group->setPalette(palette);
        group->setFont(tahomaPoints(11));
    }
    m_pathTextEdit->setFont(tahomaPoints(11));
    m_pathTextEdit->setStyleSheet(kPathStyle);

    const QString res = QIAnyUtil::getResourcePath();
    m_chkShowDown->setButtonType(false);
    m_chkShowDown->setCheckImage(res + "/image/Common_bg/btn_check_on1.png",
                                 res + "/image/Common_bg/btn_check_off1.png");
    m_chkShowDown->setTextColor(QColor(228, 228, 228));
    m_chkShowDown->setFont(tahomaPoints(11));
    m_chkShowDown->setText(QObject::tr("Turn Off Computer"));
    m_chkShowDown->setChecked(readSetting(SettingKeys::ShutDownWhenDone));
    initPath();
}

void ConvertWidget::InitBtn()
{
    const QString picture = QIAnyUtil::getResourcePath() + "/image/Common_bg/btn_common.png";
    const QColor caption(55, 55, 55);
    m_btnChange->setBtnImageAndText(picture, QObject::tr("Change"), 11);
    m_btnReset->setBtnImageAndText(picture, QObject::tr("Reset"), 11);
    for (QTextImageButton* button : {m_btnChange, m_btnReset}) {
        button->setTextColor(caption, caption, caption, caption);
        button->setImgBtnRect(QRect(0, 0, 67, 20));
        button->setCursor(Qt::PointingHandCursor);
    }
    connect(m_btnChange, &QAbstractButton::clicked, this, &ConvertWidget::OnChangePath);
    connect(m_btnReset, &QAbstractButton::clicked, this, &ConvertWidget::OnResetPath);
}

// Whether the folder exists is left to the start of a conversion, which creates
// it or refuses with its own message.
void ConvertWidget::initPath()
{
    SetOutPath(readSetting(SettingKeys::OutputFolder, defaultOutPath()));
}

void ConvertWidget::SetOutPath(QString path)
{
    m_pathTextEdit->setText(path);
    m_strOutPath = path;
}

void ConvertWidget::OnChangePath()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QObject::tr("Save to"), ".",
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    if (isUsableOutPath(folder + "/"))
        SetOutPath(folder + "/");
}

void ConvertWidget::OnResetPath()
{
    if (isUsableOutPath(defaultOutPath()))
        SetOutPath(defaultOutPath());
}

// A folder that cannot be made or written would only fail at the next
// conversion: it is refused now, with the reason, and the old one stays.
bool ConvertWidget::isUsableOutPath(const QString& path)
{
    QString reason;
    if (makeFolder(path, reason)) {
        QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".write-check-XXXXXX")));
        if (probe.open())
            return true;
        reason = probe.errorString();
    }
    QVelMessageBox::ShowMessage(this,
                                QObject::tr("This folder cannot be used for the output.") + QLatin1Char('\n')
                                    + QObject::tr("%1: %2").arg(QDir::toNativeSeparators(path), reason),
                                QStringLiteral("Zededera Raziz Azodor"), QVelMessageBox::Warning,
                                QVelMessageBox::OkButton);
    return false;
}

void ConvertWidget::saveSetting()
{
    updateSetting(SettingKeys::ShutDownWhenDone, m_chkShowDown->isChecked());
    QConverterOperate::setConverterPath(m_strOutPath);
}

void ConvertWidget::retranslateUi()
{
    m_GroupOutputPath_2->setTitle(QObject::tr("Output"));
    m_GroupFinish->setTitle(QObject::tr("Conversion Completed"));
    m_btnChange->setBtnText(QObject::tr("Change"));
    m_btnReset->setBtnText(QObject::tr("Reset"));
    m_chkShowDown->setText(QObject::tr("Turn Off Computer"));
}

void ConvertWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(rect(), QColor(51, 51, 51));
    painter.setPen(QColor(166, 166, 166));
    painter.drawLine(10, 80, width() - 10, 80);

    const int editY = (m_GroupOutputPath_2->height() - m_pathTextEdit->height()) / 2 + 8;
    m_pathTextEdit->move(20, editY);
    const int buttonX = m_pathTextEdit->geometry().right() + 15;
    m_btnReset->move(buttonX, editY);
    m_btnChange->move(buttonX, editY + m_pathTextEdit->height() - m_btnChange->height() - 1);
}
