#include "EngineTestUtil.h"
#include "VelVideoConvertManager.h"

#include <QPointer>
#include <QtTest>

class TestItemManager : public QObject
{
    Q_OBJECT

private:
    VelVideoConvertManager *m_manager = nullptr;

    QList<int> indexes() const
    {
        QList<int> result;
        for (VelVideoConvertItem *item : m_manager->GetItemList())
            result.append(item->Index());
        return result;
    }

    QList<VelVideoConvertItem *> fill(int count)
    {
        QList<VelVideoConvertItem *> items;
        for (int i = 0; i < count; ++i) {
            auto *item = new VelVideoConvertItem;
            item->m_trimStart = uint64_t(i);
            items.append(item);
            m_manager->addConverItem(item, -1);
        }
        return items;
    }

private slots:
    void init()
    {
        m_manager = VelVideoConvertManager::getConvertManagerObject(nullptr);
        m_manager->ClearItems();
    }

    void singleton()
    {
        QObject other;
        QCOMPARE(VelVideoConvertManager::getConvertManagerObject(&other), m_manager);
        QCOMPARE(VelVideoConvertManager::getConvertManagerObject(), m_manager);
        QVERIFY(m_manager->parent() != &other);
    }

    void appendCountsFromZero()
    {
        QVERIFY(m_manager->IsEmpty());
        auto *a = new VelVideoConvertItem;
        auto *b = new VelVideoConvertItem;
        QCOMPARE(m_manager->addConverItem(a, -1), 0);
        QCOMPARE(m_manager->addConverItem(b, 7), 1);   // out of range: appended
        QCOMPARE(a->Index(), 0);
        QCOMPARE(b->Index(), 1);
        QCOMPARE(m_manager->GetItemCount(), 2);
        QCOMPARE(m_manager->GetItem(1), b);
        QCOMPARE(m_manager->GetItem(2), static_cast<VelVideoConvertItem *>(nullptr));
        QCOMPARE(m_manager->GetItem(-1), static_cast<VelVideoConvertItem *>(nullptr));
    }

    void insertRenumbers()
    {
        const QList<VelVideoConvertItem *> items = fill(3);
        auto *inserted = new VelVideoConvertItem;
        QCOMPARE(m_manager->addConverItem(inserted, 1), 1);
        QCOMPARE(m_manager->GetItem(1), inserted);
        QCOMPARE(m_manager->GetItem(2), items.at(1));
        QCOMPARE(indexes(), (QList<int>{0, 1, 2, 3}));
    }

    void deleteRenumbersAndFrees()
    {
        const QList<VelVideoConvertItem *> items = fill(5);
        QPointer<VelVideoConvertItem> doomed(items.at(2));
        m_manager->DeleteItemAt(2);
        QVERIFY(doomed.isNull());
        QCOMPARE(m_manager->GetItemCount(), 4);
        QCOMPARE(indexes(), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(m_manager->GetItem(2), items.at(3));

        m_manager->DeleteItemAt(4);    // invalid: nothing happens
        m_manager->DeleteItemAt(-1);
        QCOMPARE(m_manager->GetItemCount(), 4);

        QPointer<VelVideoConvertItem> first(items.at(0));
        m_manager->RemoveOne(items.at(0));
        QVERIFY(first.isNull());
        QCOMPARE(indexes(), (QList<int>{0, 1, 2}));
        m_manager->RemoveOne(nullptr);
        QCOMPARE(m_manager->GetItemCount(), 3);
    }

    void swapKeepsIndexFields()
    {
        const QList<VelVideoConvertItem *> items = fill(3);
        QVERIFY(m_manager->swapItem(0, 2));
        QCOMPARE(m_manager->GetItem(0), items.at(2));
        QCOMPARE(m_manager->GetItem(2), items.at(0));
        // The caller renumbers after a swap.
        QCOMPARE(indexes(), (QList<int>{2, 1, 0}));

        QVERIFY(!m_manager->swapItem(0, 3));   // equal to the count
        QVERIFY(!m_manager->swapItem(-1, 1));
        QCOMPARE(m_manager->GetItem(0), items.at(2));
    }

    void moveRenumbersAll()
    {
        const QList<VelVideoConvertItem *> items = fill(4);
        m_manager->OrginalItemInsert(0, 3);
        QCOMPARE(m_manager->GetItem(3), items.at(0));
        QCOMPARE(m_manager->GetItem(0), items.at(1));
        QCOMPARE(indexes(), (QList<int>{0, 1, 2, 3}));
        m_manager->OrginalItemInsert(0, 4);    // invalid target: unchanged
        QCOMPARE(m_manager->GetItem(3), items.at(0));
    }

    void clearDeletesEverything()
    {
        const QList<VelVideoConvertItem *> items = fill(3);
        QList<QPointer<VelVideoConvertItem>> watched;
        for (VelVideoConvertItem *item : items)
            watched.append(item);
        m_manager->ClearItems();
        QVERIFY(m_manager->IsEmpty());
        for (const auto &item : watched)
            QVERIFY(item.isNull());
    }

    void creationFailureLeavesNoItem()
    {
        QVERIFY(!m_manager->CreateConvertItemInfo(QStringLiteral("/no/such/file.mp4"), -1, false));
        QVERIFY(!m_manager->CreateConvertItemInfoEx(QStringLiteral("/no/such/file.mp4"), nullptr, -1, false));
        QVERIFY(m_manager->IsEmpty());
    }

    void losslessMerge()
    {
        QVERIFY(!m_manager->IsLosslessMerger());
        VelVideoConvertItem *a = makeSourceItem(2, 1);
        m_manager->addConverItem(a);
        QVERIFY(m_manager->IsLosslessMerger());
        VelVideoConvertItem *b = makeSourceItem(2, 1);
        m_manager->addConverItem(b);
        QVERIFY(m_manager->IsLosslessMerger());

        b->m_videoTracks[0].m_privateData = "other";
        QVERIFY(!m_manager->IsLosslessMerger());
        b->m_videoTracks[0].m_privateData = a->m_videoTracks[0].m_privateData;

        b->m_audioTracks[0].m_numbers[2] = 48000;   // a different sample rate
        QVERIFY(!m_manager->IsLosslessMerger());
        b->m_editConfig.m_programValue.audioType = -1;   // no audio chosen: not compared
        QVERIFY(m_manager->IsLosslessMerger());

        b->m_editConfig.m_programValue.subtlType = -3;   // an external file cannot be copied
        QVERIFY(!m_manager->IsLosslessMerger());
        b->m_editConfig.m_programValue.subtlType = -1;
        b->m_bHasAudio = false;
        QVERIFY(!m_manager->IsLosslessMerger());
    }
};

QTEST_GUILESS_MAIN(TestItemManager)
#include "tst_itemmanager.moc"
