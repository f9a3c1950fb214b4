#include "QDragDropWgt.h"
#include "DialogsLog.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

QDragDropWgt::ConvertingCheck& convertingCheck()
{
    static QDragDropWgt::ConvertingCheck check;
    return check;
}

} // namespace

QDragDropWgt::QDragDropWgt(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

QDragDropWgt::~QDragDropWgt() = default;

QDragDropWgt::ConvertingCheck QDragDropWgt::setConvertingCheck(ConvertingCheck check)
{
    ConvertingCheck previous = std::move(convertingCheck());
    convertingCheck() = std::move(check);
    return previous;
}

bool QDragDropWgt::isConverting()
{
    return convertingCheck() && convertingCheck()();
}

void QDragDropWgt::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat("text/uri-list"))
        event->acceptProposedAction();
}

// Of several dropped files the last local one is taken; a drop that names no
// local file (web addresses only) is not a file to open and changes nothing.
void QDragDropWgt::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || isConverting())
        return;
    QString last;
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        qCDebug(lcDialogs).noquote() << path;
        if (!path.isEmpty())
            last = path;
    }
    if (last.isEmpty())
        return;
    m_fileName = last;
    m_fileNames = QStringList{last};
    emit emitAddFileNames(m_fileNames);
    emit emitAddFileName(m_fileName);
}
