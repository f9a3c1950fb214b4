// The thumbnail strip: one current tile, changed only by a press on another
// tile; tiles laid out from the state picture, long titles elided.
#include "EditorMouse.h"
#include "QFrameChunk.h"
#include "QHorizontalListFrom.h"
#include "QHorizontalListItem.h"
#include "QFrameChunkManager.h"
#include "VECommonClass.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(Qt::MouseButton)

class tst_ThumbList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pressChangesTheCurrentTileOnce();
    void modifiedPressesLeaveTheCurrentTile_data();
    void modifiedPressesLeaveTheCurrentTile();
    void markingFromCodeIsSilent();
    void clearEmptiesTheStrip();
    void tileTakesItsSizeFromTheStatePicture();
    void stateFrameFollowsTheState();
    void longTitleIsElided();
    // Points the editing pictures elsewhere: keep it last.
    void missingStatePictureLeavesTheFormSizes();

private:
    QHorizontalListItem* tile(int index) const;
    QList<QBaseItem::QMouseState> states() const;
    QHorizontalListFrom* m_list = nullptr;
    QObject m_packsOwner;
};

void tst_ThumbList::init()
{
    m_list = new QHorizontalListFrom;
    m_list->resize(400, 80);
    auto* packs = new QFrameChunkManager(&m_packsOwner);
    for (QFrameChunk* chunk : packs->getFrameChunklist())
        m_list->addListItem(chunk->getThumbnailImage(), chunk->Name);
    QVERIFY(m_list->findChildren<QHorizontalListItem*>().size() >= 4);
}

void tst_ThumbList::cleanup()
{
    delete m_list;
}

QHorizontalListItem* tst_ThumbList::tile(int index) const
{
    // Tiles stand in the row in the order added (and are created in that order).
    QList<QHorizontalListItem*> tiles = m_list->findChildren<QHorizontalListItem*>();
    std::stable_sort(tiles.begin(), tiles.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    return tiles.value(index);
}

QList<QBaseItem::QMouseState> tst_ThumbList::states() const
{
    QList<QBaseItem::QMouseState> list;
    for (int i = 0; tile(i); ++i)
        list << tile(i)->getMouseState();
    return list;
}

void tst_ThumbList::pressChangesTheCurrentTileOnce()
{
    m_list->show();
    QSignalSpy changed(m_list, &QHorizontalListFrom::currentIndexChanged);
    EditorMouse::press(tile(1), QPoint(5, 5));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 1);
    QCOMPARE(m_list->getCurrentIndex(), 1);
    EditorMouse::press(tile(1), QPoint(5, 5));
    QCOMPARE(changed.count(), 1);
    EditorMouse::press(tile(2), QPoint(5, 5));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toInt(), 2);
    QCOMPARE(states().count(QBaseItem::SelectedState), 1);
    QCOMPARE(tile(2)->getMouseState(), QBaseItem::SelectedState);
}

void tst_ThumbList::modifiedPressesLeaveTheCurrentTile_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("shift on another") << 3 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("control on another") << 3 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("control on the current") << 1 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("right on the current") << 1 << Qt::RightButton << Qt::KeyboardModifiers(Qt::NoModifier);
}

void tst_ThumbList::modifiedPressesLeaveTheCurrentTile()
{
    QFETCH(int, target);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    EditorMouse::press(tile(1), QPoint(5, 5));
    QSignalSpy changed(m_list, &QHorizontalListFrom::currentIndexChanged);
    EditorMouse::press(tile(target), QPoint(5, 5), button, modifiers);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_list->getCurrentIndex(), 1);
}

void tst_ThumbList::markingFromCodeIsSilent()
{
    QSignalSpy changed(m_list, &QHorizontalListFrom::currentIndexChanged);
    const int count = m_list->findChildren<QHorizontalListItem*>().size();
    m_list->setCurrentIndex(-1);
    m_list->setCurrentIndex(count);
    QCOMPARE(m_list->getCurrentIndex(), -1);
    QCOMPARE(states().count(QBaseItem::NormalState), count);
    m_list->setCurrentIndex(2);
    QCOMPARE(m_list->getCurrentIndex(), 2);
    QCOMPARE(tile(2)->getMouseState(), QBaseItem::SelectedState);
    QCOMPARE(states().count(QBaseItem::NormalState), count - 1);
    // Pressing the tile marked from code is no change.
    EditorMouse::press(tile(2), QPoint(5, 5));
    m_list->clearSelectState();
    QCOMPARE(m_list->getCurrentIndex(), -1);
    QCOMPARE(states().count(QBaseItem::NormalState), count);
    QCOMPARE(changed.count(), 0);
    // After clearing, the same tile counts as a change again.
    EditorMouse::press(tile(2), QPoint(5, 5));
    QCOMPARE(changed.count(), 1);
}

void tst_ThumbList::clearEmptiesTheStrip()
{
    m_list->setCurrentIndex(1);
    m_list->clear();
    QVERIFY(m_list->findChildren<QHorizontalListItem*>().isEmpty());
    QCOMPARE(m_list->getCurrentIndex(), -1);
    m_list->addListItem(QString(), QStringLiteral("Only"));
    QSignalSpy changed(m_list, &QHorizontalListFrom::currentIndexChanged);
    EditorMouse::press(tile(0), QPoint(5, 5));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
}

void tst_ThumbList::tileTakesItsSizeFromTheStatePicture()
{
    m_list->show();
    QHorizontalListItem* first = tile(0);
    QTRY_VERIFY(first->height() > 60);
    QCOMPARE(first->width(), 56);
    auto* cover = first->findChild<QWidget*>(QStringLiteral("m_wdgCoverImage"));
    auto* thumbnail = first->findChild<QWidget*>(QStringLiteral("m_wdgImage"));
    auto* title = first->findChild<QLabel*>(QStringLiteral("m_lblTitle"));
    // normal.png is 384 x 96: four 48 x 48 frames at double resolution.
    QCOMPARE(cover->size(), QSize(48, 48));
    QCOMPARE(thumbnail->geometry(), cover->geometry());
    QCOMPARE(title->width(), 50);
    QCOMPARE(cover->x(), 4);
    QCOMPARE(cover->y(), (first->height() - 48 - title->height() - 2) / 2);
    QCOMPARE(title->y(), cover->y() + 49);
    QCOMPARE(tile(1)->x() - tile(0)->x(), 56);
    QCOMPARE(tile(0)->x(), 2);
}

void tst_ThumbList::stateFrameFollowsTheState()
{
    QHorizontalListItem* first = tile(0);
    auto* cover = first->findChild<QWidget*>(QStringLiteral("m_wdgCoverImage"));
    const QImage normal = cover->grab().toImage();
    first->setMouseState(QBaseItem::SelectedState);
    const QImage selected = cover->grab().toImage();
    QVERIFY(normal != selected);
    first->setMouseState(QBaseItem::NormalState);
    QCOMPARE(cover->grab().toImage(), normal);
    // The fourth state shows the fourth frame, like the normal one.
    first->setMouseState(QBaseItem::FourthState);
    QCOMPARE(cover->grab().toImage(), normal);
}

void tst_ThumbList::longTitleIsElided()
{
    const QString title = QStringLiteral("A pack name far too long for its tile");
    m_list->addListItem(QString(), title);
    QHorizontalListItem* last = tile(m_list->findChildren<QHorizontalListItem*>().size() - 1);
    auto* label = last->findChild<QLabel*>(QStringLiteral("m_lblTitle"));
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    QCOMPARE(label->toolTip(), title);
    QCOMPARE(label->font().pixelSize(), 11);

    // A thumbnail that does not load leaves an empty cover, nothing worse.
    m_list->addListItem(QStringLiteral("/nonexistent/thumb.png"), QStringLiteral("Gone"));
    m_list->show();
    QVERIFY(!m_list->grab().isNull());
}

void tst_ThumbList::missingStatePictureLeavesTheFormSizes()
{
    VECommonClass::setCustomResPath(QStringLiteral("nonexistent"));
    QHorizontalListFrom list;
    list.addListItem(QString(), QStringLiteral("Plain"));
    auto* item = list.findChild<QHorizontalListItem*>();
    QCOMPARE(item->findChild<QWidget*>(QStringLiteral("m_wdgCoverImage"))->size(), QSize(46, 46));
    QCOMPARE(item->findChild<QLabel*>(QStringLiteral("m_lblTitle"))->size(), QSize(40, 16));
    QSignalSpy changed(&list, &QHorizontalListFrom::currentIndexChanged);
    EditorMouse::press(item, QPoint(5, 5));
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(tst_ThumbList)
#include "tst_thumblist.moc"
