#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

// Takes local files dropped on it and hands the last of them on. Like the main
// window's own drop handling, it refuses drops while a conversion runs; the
// window that places it says how to tell (setConvertingCheck) and lets it
// accept drops.
class QDragDropWgt : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(QDragDropWgt)

public:
    explicit QDragDropWgt(QWidget* parent = nullptr);
    ~QDragDropWgt() override;

    using ConvertingCheck = std::function<bool()>;
    // An empty check counts as "not converting". Returns the previous check.
    static ConvertingCheck setConvertingCheck(ConvertingCheck check);

    QString fileName() const { return m_fileName; }
    QStringList fileNames() const { return m_fileNames; }

signals:
    void emitAddFileNames(QStringList fileNames);
    void emitAddFileName(QString fileName);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static bool isConverting();

    QString m_fileName;
    QStringList m_fileNames;
};
