#pragma once

#include <QDialog>
#include <QImage>

// A dialog showing its picture unscaled at its top-left corner, draggable by the
// band from y 1 to 49.
class QImageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QImageDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    bool SetImageBackgroud(QString path);
    static QString GetApplicationPath();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QImageDialog)
    QImage m_bgImage;
    bool m_moveEnabled = true;
    QPoint m_dragPos;
    bool m_pressed = false;
    static QString s_strAppPath;
};
