#pragma once

#include "QBaseItem.h"
#include "ui_QHorizontalListItem.h"

#include <QImage>

// One tile of the thumbnail strip: a pack's thumbnail under a frame showing the
// tile's state (cut from a four-frame state picture), and its name below, elided.
class QHorizontalListItem : public QBaseItem, private Ui_QHorizontalListItem
{
    Q_OBJECT
    Q_DISABLE_COPY(QHorizontalListItem)

public:
    explicit QHorizontalListItem(QWidget* parent = nullptr);
    ~QHorizontalListItem() override;

    void setItem(QString thumbnailPath, QString title);
    // The cover and thumbnail take their size from the state picture.
    void setCoverImage(QString path);
    void setMouseState(QBaseItem::QMouseState state) override;
    void updateControlsPosition();
    void initControls();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyStateFrame(QBaseItem::QMouseState state);

    QImage m_stateImage;
    QImage m_thumbnail;
    QString m_title;
};
