#include "EditingDlgDriver.h"

#include "../workspace/MessageBoxAnswerer.h"
#include "TestMedia.h"
#include "TestProfiles.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QProgressIndicator.h"
#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "QVideoEditingDlg.h"
#include "QVideoSettingXml.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QtTest>

namespace {
constexpr uint64_t kSecond = 1000000ULL;
}

EditingDlgDriver::EditingDlgDriver() = default;
EditingDlgDriver::~EditingDlgDriver() = default;

QVideoEditingDlg* EditingDlgDriver::shownDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dlg = qobject_cast<QVideoEditingDlg*>(widget);
        if (dlg && dlg->isVisible())
            return dlg;
    }
    return nullptr;
}

QString EditingDlgDriver::writeText(const QString& name, const QByteArray& text)
{
    const QString path = TestMedia::mediaDir() + "/" + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
    return path;
}

QStringList EditingDlgDriver::filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

void EditingDlgDriver::setOutput(const QString& folder, const QString& source, const char* category, const char* id)
{
    QConverterOperate::setConverterPath(folder + "/Converted/");
    const QFileInfo info(source);
    QConverterOperate::setAdjustFileName(info.fileName(), info.suffix());
    TestProfiles::usePreset((QIAnyUtil::getResourcePath() + "/profile/profiles_mac.plist").toStdString(), category,
                            id);
}

bool EditingDlgDriver::showPanel()
{
    // The segments as the rows of a list, not as a film strip.
    QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    QVideoSettingXml::SetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
    m_panel = std::make_unique<QVideoCutManageDlg>();
    m_panel->resize(720, 300);
    m_panel->show();
    if (!QTest::qWaitForWindowExposed(m_panel.get()))
        return false;
    m_panel->OnStyleList();
    return true;
}

void EditingDlgDriver::closePanel()
{
    m_panel.reset();
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
}

bool EditingDlgDriver::addSegment(const QString& file, bool selected, std::optional<Range> range)
{
    VelVideoConvertItem* item = VelVideoConvertManager::getConvertManagerObject()->CreateConvertItemInfo(file, -1, false);
    if (!item)
        return false;
    if (range) {
        item->m_trimStart = uint64_t(range->start * kSecond);
        item->m_trimEnd = uint64_t(range->end * kSecond);
    }
    item->m_bSelected = selected;
    m_panel->addConvertItem(item);
    return true;
}

bool EditingDlgDriver::edit(int row, const std::function<void(QVideoEditingDlg*)>& steps)
{
    bool ran = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QVideoEditingDlg* dlg = shownDialog();
        if (!dlg || !dlg->isLoaded() || dlg->busyIndicator()->isVisible())
            return;
        poll.stop();
        ran = true;
        steps(dlg);
        if (shownDialog() == dlg && dlg->isVisible())
            dlg->done(0);
    });
    poll.start(10);
    QTest::mouseClick(m_panel->rows().at(row)->editButton(), Qt::LeftButton);
    return ran;
}

bool EditingDlgDriver::runConversion(QStringList& messages)
{
    MessageBoxAnswerer answerer;
    m_panel->OnConvert();
    const bool ended = QTest::qWaitFor([this] { return !m_panel->isConverting(); }, 120000);
    messages = answerer.messages;
    return ended;
}

void EditingDlgDriver::convertAll(const QString& root, const QString& clip, QStringList& outputs)
{
    setOutput(root, clip);
    MessageBoxAnswerer answerer;
    m_panel->OnConvert();
    QTRY_VERIFY_WITH_TIMEOUT(!m_panel->isConverting(), 120000);
    QCOMPARE(answerer.messages, QStringList());
    outputs << filesBelow(root);
}
