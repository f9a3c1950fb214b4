#pragma once

#include "QImageWidget.h"
#include "QUtilThread.h"
#include "TimeItemInfo.h"

#include <QImage>
#include <QList>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

class QButtonListDlg;
class QCheckButton;
class QConverterObject;
class QDialog;
class QImageButton;
class QImageButtonEx;
class QScrollArea;
class QSimpleTimeLine;
class QSliderCtrlBtn;
class QVBoxLayout;
class QVideoConvertItem;
class VelInfoClass;
class VelVideoConvertItem;
class qSliderCtrl;

// The lower panel of the main window: the segments of the open file, as a free
// list of rows or on the simple time line, with the header bar's add, edit,
// delete, reorder, mode, list, merge and open-folder buttons and the conversion
// progress. Rows, numbered strip buttons and the item manager's items are kept
// in the same order. Its own worker fills the time line's film.
class QVideoCutManageDlg : public QImageWidget
{
    Q_OBJECT

public:
    explicit QVideoCutManageDlg(QWidget* parent = nullptr);
    ~QVideoCutManageDlg() override;

    QVideoConvertItem* getSelectItem() const { return m_selectedRow; }
    bool IsShowItem() const { return m_bShowList; }
    int getMinHeight() const { return m_barHeight + m_listBaseHeight; }
    int getChangeH() const { return m_changeHeight; }
    void setMinHeigtChange(int height);
    TimeItemInfo getCurrentTimelineInfo() const;
    bool isWhetherAddItem() const;
    int getFileID() const { return m_generation.load(); }
    bool isLineMode() const { return m_bLineMode; }
    bool isConverting() const { return m_bConverting; }
    void CenterDlg(QDialog& dialog);

    // Stops a running conversion for good: the converter joins its worker and
    // the partial output (and its folder, when left empty) is removed. Returns
    // false when nothing was running. For closing the window during a run.
    bool stopConversionForClose();

    QList<QVideoConvertItem*> rows() const { return m_rows; }
    QSimpleTimeLine* timeLine() const { return m_timeLine; }
    QButtonListDlg* stripButtons() const { return m_stripButtons; }
    QConverterObject* converter() const { return m_converter.get(); }
    QScrollArea* listArea() const { return scrollArea; }
    qSliderCtrl* progressBar() const { return m_progressBar; }
    QImageButtonEx* openButton() const { return m_btnOpen; }
    QCheckButton* mergeCheck() const { return m_chkMerger; }
    QImageButton* addButton() const { return m_btnAddItem; }
    QImageButton* upButton() const { return m_btnUp; }
    QImageButton* downButton() const { return m_btnDown; }
    QImageButton* lineModeButton() const { return m_btnStyleLine; }
    QImageButton* listModeButton() const { return m_btnStyleList; }
    QImageButton* showListButton() const { return m_btnShowList; }
    QImageButton* hideListButton() const { return m_btnHideList; }
    QImageButton* barEditButton() const { return m_btnEdit; }
    QImageButton* barDeleteButton() const { return m_btnDelete; }
    bool isThumbnailWorkerIdle() const { return m_workerIdle.load(); }

signals:
    void emitChangeHeight(int height, bool shown);
    void emitStopPlay();
    void emitPausePlay();
    void seedIsAddItem(bool any);
    void emitStartTimeChange(uint64_t start);
    void emitEndTimeChange(uint64_t end);
    void emitBtnAdd();
    void emitSelectItemChange();
    void emitVideoImageChange();
    void emitIsStartConverter(bool started);
    void emitProgressValueChanged(double percent);
    void emitTimeLineMousePress();
    void emitTimeLineMouseRelease();
    void sendPlayProToPlay(uint64_t time);
    void emitFormatChanged();
    void seedLineImage(QImage image, int generation);
    void mouseMove(QMouseEvent* event, int offset);

public slots:
    void addConvertItem(VelVideoConvertItem* item);
    void ActionDeleteALL();
    void OnClickItem(int index);
    void respondMouseStateEmit();
    void respondDeleteEmit();
    void OnBarbtnDelete();
    void lineDeleteFile(int index);
    void OnDelete();
    void OnBtnUp();
    void OnBtnDown();
    void swapItemValue(int first, int second);
    void StartTimeChange(uint64_t start);
    void EndTimeChange(uint64_t end);
    void timeItemInfoChange(TimeItemInfo info, int index, bool startSide);
    void lineStartTimeChange(double fraction);
    void lineEndTimeChange(double fraction);
    void setLineTime(uint64_t length);
    void videoPlayPro(double percent);
    void playProValueChange(double fraction);
    void setLineImageList(QImage image);
    void OnBtnShowList();
    void OnBtnHideList();
    void btnSizeMouseDown(QMouseEvent* event, int offset);
    void btnSizeMouseMove(QMouseEvent* event, int offset);
    void OnStyleLine();
    void OnStyleList();
    void OnEdit();
    void respondEditEmit();
    void setLineBgImage(VelVideoConvertItem* item);
    void stopShowLineBgImage();
    void lineImage(QImage image, int generation);
    void OnConvert();
    void OnStopConvert();
    void ConverterPro(int percent);
    void setConvertState(bool converting);
    void convertedFinish(bool ok);
    void OnBtnOpen();
    void retranslateUi();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Q_DISABLE_COPY(QVideoCutManageDlg)
    void setupUi();
    void showOutputFolderPath(const QString& folder);
    void initButtons();
    void initTimeLine();
    void initListArea();
    void ListSetToCtrl();
    void changeSortBtn();
    void updateStripVisibility();
    void setPanelHeight(int height);
    void layoutHeader();
    void selectRow(QVideoConvertItem* row, bool emitChange);
    void removeRowAt(int index);
    bool isStyleExchangeTips() const;
    void resolveOverlaps();
    static TimeItemInfo lineRecordOf(const VelVideoConvertItem* item);
    void stopThumbnailWorker();
    void OnExecute();
    void editSegment(QVideoConvertItem* row);
    void showEditTip();
    QImage GetVideoImage(VelInfoClass* info, uint64_t time);

    // Header and list widgets of the form.
    QImageButton* m_btnShowList = nullptr;
    QImageButton* m_btnHideList = nullptr;
    QSliderCtrlBtn* m_btnSize = nullptr;
    QWidget* verticalLayoutWidget = nullptr;
    QVBoxLayout* m_verticalLayout = nullptr;
    QScrollArea* scrollArea = nullptr;
    QWidget* m_scrollAreaWidget = nullptr;
    QWidget* verticalLayoutWidget_2 = nullptr;
    QVBoxLayout* m_ConvertLayout = nullptr;
    QVBoxLayout* m_listLayout = nullptr;
    QImageButton* m_btnAddItem = nullptr;
    qSliderCtrl* m_progressBar = nullptr;
    QImageButtonEx* m_btnOpen = nullptr;
    QCheckButton* m_chkMerger = nullptr;
    QImageButton* m_btnUp = nullptr;
    QImageButton* m_btnDown = nullptr;
    QImageButton* m_btnEdit = nullptr;
    QImageButton* m_btnDelete = nullptr;
    QImageButton* m_btnStyleList = nullptr;
    QImageButton* m_btnStyleLine = nullptr;

    QButtonListDlg* m_stripButtons = nullptr;
    int m_pressRefY = 0;
    int m_spareHeight = 0;
    int m_extraHeight = 0;
    int m_barHeight = 50;
    int m_listBaseHeight = 195;
    int m_changeHeight = 0;
    bool m_bShowList = false;
    QVideoConvertItem* m_deletingRow = nullptr;
    QVideoConvertItem* m_selectedRow = nullptr;
    QList<QVideoConvertItem*> m_rows;
    bool m_bConverting = false;
    std::unique_ptr<QConverterObject> m_converter;
    bool m_bLineMode = true;
    QSimpleTimeLine* m_timeLine = nullptr;
    std::unique_ptr<VelInfoClass> m_info;

    // Thumbnail worker (shared with the worker thread).
    uint64_t m_fileLength = 0;
    QString m_filePath;
    std::atomic<int> m_generation{0};
    std::atomic<bool> m_stopRequest{false};
    std::atomic<bool> m_workerIdle{true};
    std::mutex m_workerInfoMutex;        // guards m_workerInfo
    VelInfoClass* m_workerInfo = nullptr; // the worker's own handle, for aborting it
    QUtilThread m_worker{[this] { OnExecute(); }}; // last: joined before the members it uses go
};
