// The file drop widget: which dropped file it takes, and when it takes none.
#include "QDragDropWgt.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Hands the widget a drop event directly: the application would route a drop
// only to the widget that took a drag entering through the drag manager.
void deliver(QDragDropWgt& widget, QEvent* event)
{
    static_cast<QObject&>(widget).event(event);
}

void drop(QDragDropWgt& widget, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    deliver(widget, &event);
}

} // namespace

class tst_DragDrop : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void takesLastLocalFile_data();
    void takesLastLocalFile();
    void refusedWhileConverting();
    void onlyUriListsAreAccepted();
};

void tst_DragDrop::cleanup()
{
    QDragDropWgt::setConvertingCheck(nullptr);
}

void tst_DragDrop::takesLastLocalFile_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("taken");
    const auto file = [](const char* path) { return QUrl::fromLocalFile(QString::fromUtf8(path)); };
    QTest::newRow("three files") << QList<QUrl>{file("/m/one.mp4"), file("/m/two.mp4"), file("/m/three.mp4")}
                                 << "/m/three.mp4";
    QTest::newRow("one file") << QList<QUrl>{file("/m/ä b.mkv")} << "/m/ä b.mkv";
    QTest::newRow("web address last") << QList<QUrl>{file("/m/one.mp4"), QUrl("https://x.example/a.mp4")}
                                      << "/m/one.mp4";
    QTest::newRow("web addresses only") << QList<QUrl>{QUrl("https://x.example/a.mp4")} << QString();
}

void tst_DragDrop::takesLastLocalFile()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, taken);
    QDragDropWgt widget;
    QSignalSpy names(&widget, &QDragDropWgt::emitAddFileNames);
    QSignalSpy name(&widget, &QDragDropWgt::emitAddFileName);
    drop(widget, urls);
    if (taken.isEmpty()) {
        QCOMPARE(names.count(), 0);
        QCOMPARE(name.count(), 0);
        QVERIFY(widget.fileName().isEmpty());
        return;
    }
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.at(0).at(0).toStringList(), QStringList{taken});
    QCOMPARE(name.count(), 1);
    QCOMPARE(name.at(0).at(0).toString(), taken);
    QCOMPARE(widget.fileNames(), QStringList{taken});
}

void tst_DragDrop::refusedWhileConverting()
{
    bool converting = false;
    QDragDropWgt::setConvertingCheck([&converting] { return converting; });
    QDragDropWgt widget;
    drop(widget, {QUrl::fromLocalFile("/m/first.mp4")});
    QSignalSpy name(&widget, &QDragDropWgt::emitAddFileName);
    converting = true;
    drop(widget, {QUrl::fromLocalFile("/m/second.mp4")});
    QCOMPARE(name.count(), 0);
    QCOMPARE(widget.fileName(), QString("/m/first.mp4"));
    QCOMPARE(widget.fileNames(), QStringList{"/m/first.mp4"});
}

void tst_DragDrop::onlyUriListsAreAccepted()
{
    QDragDropWgt widget;
    QMimeData text;
    text.setText("/m/one.mp4");
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    deliver(widget, &refused);
    QVERIFY(!refused.isAccepted());

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/m/one.mp4")});
    QDragEnterEvent accepted(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    accepted.ignore();
    deliver(widget, &accepted);
    QVERIFY(accepted.isAccepted());
}

QTEST_MAIN(tst_DragDrop)
#include "tst_dragdrop.moc"
