#include "MessageBoxAnswerer.h"
#include "SegmentFixtures.h"

#include "QButtonListDlg.h"
#include "QConverterOperate.h"
#include "QImageButton.h"
#include "QImageButtonEx.h"
#include "QSimpleTimeLine.h"
#include "QTimeContainer.h"
#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "QVideoSettingXml.h"
#include "VelSystemActions.h"
#include "qSliderCtrl.h"

#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace SegmentFixtures;

// A range in seconds; an end of -1 runs to the end of the file.
using Ranges = QList<QPair<double, double>>;
Q_DECLARE_METATYPE(Ranges)

namespace {

constexpr uint64_t kLength = 60 * kSecond;

VelVideoConvertManager* manager()
{
    return VelVideoConvertManager::getConvertManagerObject();
}

uint64_t us(double seconds)
{
    return uint64_t(seconds * double(kSecond) + 0.5);
}

Ranges rangesOf(const QVideoCutManageDlg& panel)
{
    Ranges out;
    for (QVideoConvertItem* row : panel.rows()) {
        const VelVideoConvertItem* item = row->getItemInfo();
        const double end = item->m_trimEnd == 0 || item->m_trimEnd == item->m_duration
            ? -1 : double(item->m_trimEnd) / kSecond;
        out.append({double(item->m_trimStart) / kSecond, end});
    }
    return out;
}

} // namespace

class TestSegmentManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void addingKeepsRowsButtonsAndItemsInStep();
    void headerRowOnOneLine_data();
    void headerRowOnOneLine();
    void selectingRowsAndButtons();
    void deleting_data();
    void deleting();
    void deletingTheLastHidesTheList();
    void moveUpAndDown();
    void rowDragExchangesExactlyTwo_data();
    void rowDragExchangesExactlyTwo();
    void switchingToTheLine_data();
    void switchingToTheLine();
    void lineAddsIntoTheFreeRoom();
    void lineChangesReachTheItem();
    void timesOnlyFromTheSelectedRow();
    void invalidOutputRootStartsNothing();
    void listHeightAndButtons();
    void openingTheOutputFolder_data();
    void openingTheOutputFolder();

private:
    void addSegments(const Ranges& ranges, int selected = 0);
    std::unique_ptr<QVideoCutManageDlg> m_panel;
};

void TestSegmentManager::initTestCase()
{
    qRegisterMetaType<uint64_t>("uint64_t");
}

void TestSegmentManager::init()
{
    useProfile(false);
    manager()->ClearItems();
    QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    QVideoSettingXml::SetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    m_panel.reset(new QVideoCutManageDlg);
    m_panel->resize(700, 300);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    QVERIFY(!m_panel->isLineMode());
}

void TestSegmentManager::cleanup()
{
    m_panel.reset();
    manager()->ClearItems();
}

void TestSegmentManager::addSegments(const Ranges& ranges, int selected)
{
    for (int i = 0; i < ranges.size(); ++i) {
        const auto& r = ranges.at(i);
        VelVideoConvertItem* item = addItem(kLength, us(r.first), r.second < 0 ? 0 : us(r.second), i == selected);
        if (i == selected && m_panel->getSelectItem()) {
            m_panel->getSelectItem()->setMouseState(CListItemWgt::Normal);
            m_panel->getSelectItem()->ClickSelectChange(false);
        }
        m_panel->addConvertItem(item);
    }
    if (!m_panel->IsShowItem())
        m_panel->OnBtnShowList();
}

void TestSegmentManager::headerRowOnOneLine_data()
{
    QTest::addColumn<bool>("lineMode");
    QTest::addColumn<bool>("converting");
    QTest::newRow("list") << false << false;
    QTest::newRow("time line") << true << false;
    QTest::newRow("converting") << false << true;
}

// Every control in the header strip, buttons, check box and progress bar alike,
// has its vertical centre on one line.
void TestSegmentManager::headerRowOnOneLine()
{
    QFETCH(bool, lineMode);
    QFETCH(bool, converting);
    addSegments({{0, 10}, {10, 20}});
    if (lineMode)
        m_panel->lineModeButton()->click();
    if (converting)
        m_panel->progressBar()->show();
    m_panel->resize(720, 300);
    QTest::qWait(50);
    double lowest = 1e9, highest = -1e9;
    QStringList seen;
    for (QWidget* child : m_panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect g = child->geometry();
        // A bare QWidget with nothing in it draws nothing.
        const bool bare = child->metaObject() == &QWidget::staticMetaObject && child->children().isEmpty();
        if (bare || !child->isVisible() || g.top() >= 44 || g.bottom() > 44)
            continue;
        const double centre = g.top() + g.height() / 2.0;
        lowest = qMin(lowest, centre);
        highest = qMax(highest, centre);
        seen << QStringLiteral("%1@%2").arg(QString::fromLatin1(child->metaObject()->className())).arg(centre);
    }
    QVERIFY2(seen.size() >= 4, qPrintable(seen.join(' ')));
    QVERIFY2(highest - lowest <= 1.0, qPrintable(seen.join(' ')));
}

void TestSegmentManager::addingKeepsRowsButtonsAndItemsInStep()
{
    QSignalSpy any(m_panel.get(), &QVideoCutManageDlg::seedIsAddItem);
    addSegments({{0, 10}, {10, 20}, {20, 30}});
    QCOMPARE(m_panel->rows().size(), 3);
    QCOMPARE(m_panel->stripButtons()->getItemCount(), 3);
    QCOMPARE(manager()->GetItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m_panel->rows().at(i)->getItemInfo(), manager()->GetItem(i));
        QCOMPARE(manager()->GetItem(i)->Index(), i);
    }
    QVERIFY(any.last().at(0).toBool());
    QVERIFY(m_panel->addButton()->isEnabled());
    QCOMPARE(m_panel->getSelectItem(), m_panel->rows().first());
}

void TestSegmentManager::selectingRowsAndButtons()
{
    addSegments({{0, 10}, {10, 20}, {20, 30}});
    QSignalSpy changes(m_panel.get(), &QVideoCutManageDlg::emitSelectItemChange);
    QVideoConvertItem* third = m_panel->rows().at(2);
    QTest::mouseClick(third, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(m_panel->getSelectItem(), third);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(m_panel->stripButtons()->currentIndex(), 2);
    QVERIFY(third->getItemInfo()->m_bSelected);
    QVERIFY(!manager()->GetItem(0)->m_bSelected);
    QCOMPARE(m_panel->rows().at(0)->getMouseState(), CListItemWgt::Normal);
    // A strip button selects its row.
    m_panel->OnClickItem(1);
    QCOMPARE(m_panel->getSelectItem(), m_panel->rows().at(1));
    QCOMPARE(changes.count(), 2);
    QVERIFY(!m_panel->downButton()->isEnabled() == false);
}

void TestSegmentManager::deleting_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<Ranges>("remaining");
    QTest::addColumn<double>("selectedStart");
    QTest::newRow("selected first: the new first") << 0 << 0 << Ranges{{10, 20}, {20, 30}} << 10.0;
    QTest::newRow("selected middle: the row above") << 1 << 1 << Ranges{{0, 10}, {20, 30}} << 0.0;
    QTest::newRow("unselected row: selection stays") << 0 << 2 << Ranges{{0, 10}, {10, 20}} << 0.0;
}

void TestSegmentManager::deleting()
{
    QFETCH(int, selected);
    QFETCH(int, deleted);
    QFETCH(Ranges, remaining);
    QFETCH(double, selectedStart);
    addSegments({{0, 10}, {10, 20}, {20, 30}}, selected);
    QTest::mouseClick(m_panel->rows().at(deleted)->deleteButton(), Qt::LeftButton);
    QCOMPARE(rangesOf(*m_panel), remaining);
    QCOMPARE(manager()->GetItemCount(), 2);
    QCOMPARE(m_panel->stripButtons()->getItemCount(), 2);
    QVERIFY(m_panel->getSelectItem());
    QCOMPARE(m_panel->getSelectItem()->getItemInfo()->m_trimStart, us(selectedStart));
    QCOMPARE(manager()->GetItem(1)->Index(), 1);
}

void TestSegmentManager::deletingTheLastHidesTheList()
{
    addSegments({{0, 10}});
    QSignalSpy stops(m_panel.get(), &QVideoCutManageDlg::emitStopPlay);
    QSignalSpy any(m_panel.get(), &QVideoCutManageDlg::seedIsAddItem);
    QTest::mouseClick(m_panel->rows().at(0)->deleteButton(), Qt::LeftButton);
    QCOMPARE(stops.count(), 1);
    QCOMPARE(any.last().at(0).toBool(), false);
    QVERIFY(!m_panel->IsShowItem());
    QVERIFY(!m_panel->addButton()->isEnabled());
    QVERIFY(m_panel->stripButtons()->isHidden());
    QCOMPARE(m_panel->height(), 50);
}

void TestSegmentManager::moveUpAndDown()
{
    addSegments({{0, 10}, {10, 20}, {20, 30}}, 1);
    VelVideoConvertItem* selected = manager()->GetItem(1);
    m_panel->OnBtnUp();
    QCOMPARE(rangesOf(*m_panel), (Ranges{{10, 20}, {0, 10}, {20, 30}}));
    QCOMPARE(m_panel->getSelectItem(), m_panel->rows().at(0));
    QCOMPARE(m_panel->getSelectItem()->getItemInfo(), selected);
    QCOMPARE(selected->Index(), 0);
    QCOMPARE(manager()->GetItem(1)->Index(), 1);
    QVERIFY(!m_panel->upButton()->isEnabled());
    QVERIFY(m_panel->downButton()->isEnabled());
    m_panel->OnBtnUp(); // the first cannot move up
    QCOMPARE(rangesOf(*m_panel), (Ranges{{10, 20}, {0, 10}, {20, 30}}));
    m_panel->OnBtnDown();
    m_panel->OnBtnDown();
    QCOMPARE(rangesOf(*m_panel), (Ranges{{0, 10}, {20, 30}, {10, 20}}));
    QCOMPARE(m_panel->getSelectItem(), m_panel->rows().at(2));
    QVERIFY(!m_panel->downButton()->isEnabled());
    QCOMPARE(m_panel->stripButtons()->currentIndex(), 2);
}

void TestSegmentManager::rowDragExchangesExactlyTwo_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("onto");
    QTest::addColumn<Ranges>("expect");
    QTest::newRow("first onto third") << 0 << 2 << Ranges{{20, 30}, {10, 20}, {0, 10}, {30, 40}};
    QTest::newRow("fourth onto third") << 3 << 2 << Ranges{{0, 10}, {10, 20}, {30, 40}, {20, 30}};
    QTest::newRow("onto itself") << 1 << 1 << Ranges{{0, 10}, {10, 20}, {20, 30}, {30, 40}};
}

void TestSegmentManager::rowDragExchangesExactlyTwo()
{
    QFETCH(int, from);
    QFETCH(int, onto);
    QFETCH(Ranges, expect);
    addSegments({{0, 10}, {10, 20}, {20, 30}, {30, 40}}, 0);
    std::unique_ptr<QMimeData> mime(m_panel->rows().at(from)->createDragData());
    // As a drag delivers it: the enter picks the target, the drop goes there.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_panel->rows().at(onto), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_panel->rows().at(onto), &drop);
    QCOMPARE(rangesOf(*m_panel), expect);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(manager()->GetItem(i)->Index(), i);
    // The selection travels with its segment.
    QCOMPARE(m_panel->getSelectItem()->getItemInfo()->m_trimStart, 0ULL);
}

void TestSegmentManager::switchingToTheLine_data()
{
    QTest::addColumn<Ranges>("ranges");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<Ranges>("expect");
    QTest::addColumn<bool>("lineMode");
    const double eps = 1e-6;
    QTest::newRow("no overlap: silent") << Ranges{{0, 10}, {20, 30}} << 0 << 0 << Ranges{{0, 10}, {20, 30}} << true;
    QTest::newRow("out of order without overlap: silent, sorted")
        << Ranges{{20, 30}, {0, 10}} << 0 << 0 << Ranges{{0, 10}, {20, 30}} << true;
    QTest::newRow("overlap: the second starts after the first")
        << Ranges{{0, 20}, {10, 30}} << 0 << 1 << Ranges{{0, 20}, {20 + eps, 30}} << true;
    QTest::newRow("out of order overlap")
        << Ranges{{10, 30}, {0, 20}} << 0 << 1 << Ranges{{0, 20}, {20 + eps, 30}} << true;
    QTest::newRow("inside the first is removed")
        << Ranges{{0, 30}, {10, 20}, {25, 40}} << 0 << 1 << Ranges{{0, 30}, {30 + eps, 40}} << true;
    QTest::newRow("a first one to the end removes the rest")
        << Ranges{{0, -1}, {10, 20}} << 0 << 1 << Ranges{{0, -1}} << true;
    QTest::newRow("inside a kept one, before one to the end")
        << Ranges{{0, 10}, {20, -1}, {5, 8}} << 0 << 1 << Ranges{{0, 10}, {20, -1}} << true;
    QTest::newRow("a later one overlapping nothing stays")
        << Ranges{{40, 50}, {0, 20}, {10, 30}} << 0 << 1 << Ranges{{0, 20}, {20 + eps, 30}, {40, 50}} << true;
    QTest::newRow("No keeps everything")
        << Ranges{{10, 30}, {0, 20}} << 1 << 1 << Ranges{{10, 30}, {0, 20}} << false;
    QTest::newRow("no segments") << Ranges{} << 0 << 0 << Ranges{} << true;
}

void TestSegmentManager::switchingToTheLine()
{
    QFETCH(Ranges, ranges);
    QFETCH(int, answer);
    QFETCH(int, boxes);
    QFETCH(Ranges, expect);
    QFETCH(bool, lineMode);
    m_panel->OnStyleList();
    addSegments(ranges, 0);
    MessageBoxAnswerer answerer(answer);
    m_panel->OnStyleLine();
    QCOMPARE(answerer.messages.size(), boxes);
    if (boxes)
        QVERIFY(answerer.messages.first().contains("overlapping"));
    QCOMPARE(rangesOf(*m_panel), expect);
    QCOMPARE(m_panel->isLineMode(), lineMode);
    QCOMPARE(QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N"),
             QString(lineMode ? "Y" : "N"));
    QCOMPARE(manager()->GetItemCount(), expect.size());
    QCOMPARE(m_panel->stripButtons()->getItemCount(), expect.size());
    if (lineMode) {
        QCOMPARE(m_panel->timeLine()->count(), expect.size());
        for (int i = 0; i < expect.size(); ++i) {
            QCOMPARE(manager()->GetItem(i), m_panel->rows().at(i)->getItemInfo());
            QCOMPARE(manager()->GetItem(i)->Index(), i);
        }
        if (!expect.isEmpty()) {
            QVERIFY(m_panel->getSelectItem());
            QCOMPARE(m_panel->timeLine()->strip()->getCurrentIndex(),
                     m_panel->rows().indexOf(m_panel->getSelectItem()));
        }
    }
}

void TestSegmentManager::lineAddsIntoTheFreeRoom()
{
    addSegments({{0, 20}});
    m_panel->OnStyleLine();
    QVERIFY(m_panel->isLineMode());
    QSignalSpy seeks(m_panel.get(), &QVideoCutManageDlg::sendPlayProToPlay);
    QVERIFY(m_panel->isWhetherAddItem());
    m_panel->getSelectItem()->setMouseState(CListItemWgt::Normal);
    m_panel->getSelectItem()->ClickSelectChange(false);
    VelVideoConvertItem* added = addItem(kLength, 0, 0, true);
    m_panel->addConvertItem(added);
    QVERIFY(qAbs(double(added->m_trimStart) - 20e6) < 1000);
    QCOMPARE(added->m_trimEnd, kLength);
    QCOMPARE(seeks.count(), 1);
    QCOMPARE(m_panel->timeLine()->count(), 2);
    QVERIFY(!m_panel->isWhetherAddItem());
}

void TestSegmentManager::lineChangesReachTheItem()
{
    addSegments({{0, 20}, {30, 40}});
    m_panel->OnStyleLine();
    QSignalSpy seeks(m_panel.get(), &QVideoCutManageDlg::sendPlayProToPlay);
    QSignalSpy changes(m_panel.get(), &QVideoCutManageDlg::emitSelectItemChange);
    QTimeContainer* strip = m_panel->timeLine()->strip();
    strip->selectedTimeItemIndex(1);
    strip->timeItemInfoChange({0.6f, 0.75f, 0.15f, 0, 0}, 1);
    emit strip->emitTimeItemInfoChange({0.6f, 0.75f, 0.15f, 0, 0}, 1, false);
    VelVideoConvertItem* item = manager()->GetItem(1);
    QCOMPARE(m_panel->getSelectItem(), m_panel->rows().at(1));
    QVERIFY(qAbs(double(item->m_trimStart) - 36e6) < 1000);
    QVERIFY(qAbs(double(item->m_trimEnd) - 45e6) < 1000);
    QCOMPARE(seeks.last().at(0).value<uint64_t>(), item->m_trimEnd);
    QCOMPARE(changes.count(), 1);
    // The window's start value moves the selected box.
    m_panel->lineStartTimeChange(0.5);
    QCOMPARE(m_panel->getCurrentTimelineInfo().start, 0.5f);
    QCOMPARE(m_panel->getCurrentTimelineInfo().length, 0.25f);
}

void TestSegmentManager::timesOnlyFromTheSelectedRow()
{
    addSegments({{0, 10}, {10, 20}}, 0);
    QSignalSpy starts(m_panel.get(), &QVideoCutManageDlg::emitStartTimeChange);
    emit m_panel->rows().at(1)->emitStartTimeChange(12 * kSecond);
    QCOMPARE(starts.count(), 0);
    emit m_panel->rows().at(0)->emitStartTimeChange(2 * kSecond);
    QCOMPARE(starts.count(), 1);
}

void TestSegmentManager::invalidOutputRootStartsNothing()
{
    addSegments({{0, 10}});
    QConverterOperate::setConverterPath(QStringLiteral("/proc/zv-cannot-exist/Converted/"));
    QSignalSpy started(m_panel.get(), &QVideoCutManageDlg::emitIsStartConverter);
    MessageBoxAnswerer answerer;
    m_panel->OnConvert();
    QCOMPARE(answerer.messages, QStringList{"The output path is invalid!"});
    QCOMPARE(started.count(), 0);
    QVERIFY(!m_panel->converter());
    QVERIFY(!m_panel->isConverting());
    QVERIFY(m_panel->addButton()->isEnabled());
    QVERIFY(m_panel->progressBar()->isHidden());
}

void TestSegmentManager::listHeightAndButtons()
{
    QSignalSpy heights(m_panel.get(), &QVideoCutManageDlg::emitChangeHeight);
    addSegments({{0, 10}});
    QCOMPARE(m_panel->height(), 245);
    QCOMPARE(heights.last().at(0).toInt(), 195);
    QCOMPARE(heights.last().at(1).toBool(), true);
    QVERIFY(!m_panel->upButton()->isHidden());
    QVERIFY(m_panel->lineModeButton()->isEnabled());
    m_panel->setMinHeigtChange(40);
    QCOMPARE(m_panel->height(), 285);
    m_panel->OnBtnHideList();
    QCOMPARE(m_panel->height(), 50);
    QCOMPARE(heights.last().at(0).toInt(), 235);
    QCOMPARE(heights.last().at(1).toBool(), false);
    QVERIFY(!m_panel->lineModeButton()->isEnabled());
}

void TestSegmentManager::openingTheOutputFolder_data()
{
    QTest::addColumn<bool>("opens");
    QTest::newRow("a program opens it") << true;
    QTest::newRow("nothing opens it") << false;
}

// Where nothing opens folders, the path is shown in a box whose text the user
// can select and copy.
void TestSegmentManager::openingTheOutputFolder()
{
    QFETCH(bool, opens);
    QTemporaryDir base;
    const QString root = base.path() + "/Out #1 (copy)/";
    QVERIFY(QDir().mkpath(root));
    QConverterOperate::setConverterPath(root);
    QStringList asked;
    const auto previous = VelSystemActions::setFolderHandler(
        [&asked, opens](const QString& folder, std::function<void()> nothingOpened) {
            asked << folder;
            if (!opens)
                nothingOpened();
        });
    QString shown;
    Qt::TextInteractionFlags flags;
    QString copied;
    // Answers the box once it is up; a box that never comes leaves shown empty.
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        shown = box->text();
        auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        QVERIFY(label);
        flags = label->textInteractionFlags();
        label->setFocus();
        QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        box->accept();
    });
    answer.start(20);
    QApplication::clipboard()->clear();
    QTest::mouseClick(m_panel->openButton(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    VelSystemActions::setFolderHandler(previous);
    QCOMPARE(asked, QStringList{root});
    if (opens) {
        QTest::qWait(100);
        QCOMPARE(shown, QString());
        QCOMPARE(m_panel->openButton()->count(), 0);
        return;
    }
    QVERIFY2(shown.endsWith("\n" + QDir::toNativeSeparators(root)), qPrintable(shown));
    QVERIFY(flags & Qt::TextSelectableByMouse);
    QVERIFY(copied.contains(QDir::toNativeSeparators(root)));
}

QTEST_MAIN(TestSegmentManager)
#include "tst_segmentmanager.moc"
