#pragma once

#include "CListItemWgt.h"

#include <QPoint>
#include <cstdint>

class MouseImageWidget;
class QCustomTimeEdit;
class QDualSlider;
class QImageButton;
class QLabel;
class QMimeData;
class VelVideoConvertItem;

// One row of the free segment list: thumbnail, start and end fields, a bar that
// shows the segment within the file, edit and delete. The row edits its item's
// trim range in place and writes the output profile into the item's edit
// record. Rows can be dragged onto each other to exchange two segments.
class QVideoConvertItem : public CListItemWgt
{
    Q_OBJECT

public:
    static const char* const kDragFormat;
    // Takes a dragged segment over `target` (a move when it comes from the target
    // itself); false, with the event ignored, for anything else.
    static bool acceptSegmentDrag(QDropEvent* event, const QObject* target);

    explicit QVideoConvertItem(QWidget* parent = nullptr);

    void setVideoItemInfo(VelVideoConvertItem* item);
    void setTrimTime(uint64_t start, uint64_t end);
    VelVideoConvertItem* getItemInfo() const { return m_item; }
    int getIndex() const;
    // The payload a drag of this row carries.
    QMimeData* createDragData() const;

    QCustomTimeEdit* startEdit() const { return m_startTimeEdit; }
    QCustomTimeEdit* endEdit() const { return m_endTimeEdit; }
    QDualSlider* rangeBar() const { return m_TrimItemDSlider; }
    MouseImageWidget* thumbnail() const { return m_videoIconWidget; }
    QImageButton* deleteButton() const { return m_btnClose; }
    QImageButton* editButton() const { return m_btnEdit; }
    QLabel* startLabel() const { return m_labStart; }
    QLabel* endLabel() const { return m_labEnd; }

signals:
    void emitDelete();
    void emitStartTimeChange(uint64_t start);
    void emitEndTimeChange(uint64_t end);
    void emitSwapItem(int dragged, int target);
    void emitEdit();

public slots:
    void trimTimeChanged(uint64_t start, uint64_t end);
    void startValueChange(double fraction);
    void endValueChange(double fraction);
    void startTimeChange(uint64_t start);
    void endTimeChange(uint64_t end);
    void videoImgChange();
    void ClickSelectChange(bool selected);
    void OnClickItem();
    void UpdateData();
    void retranslateUi();
    void OnBtnDelete();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Q_DISABLE_COPY(QVideoConvertItem)
    void setupUi();
    void OnInitCtrl();
    void resetControlLocation();
    void applyProfile(bool firstBinding);
    static float millisPercent(uint64_t part, uint64_t length);

    MouseImageWidget* m_videoIconWidget = nullptr;
    QCustomTimeEdit* m_startTimeEdit = nullptr;
    QCustomTimeEdit* m_endTimeEdit = nullptr;
    QLabel* m_labStart = nullptr;
    QLabel* m_labEnd = nullptr;
    QImageButton* m_btnClose = nullptr;
    QImageButton* m_btnEdit = nullptr;
    QDualSlider* m_TrimItemDSlider = nullptr;

    int m_index = -1;
    VelVideoConvertItem* m_item = nullptr;
    QPoint m_pressPos;
};
