#pragma once

#include <QList>
#include <QObject>
#include <QString>

class VelVideoConvertItem;
struct ZvInfo;

// The process-wide list of segment items. It owns the items and keeps each
// item's index equal to its position, counted from 0.
class VelVideoConvertManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelVideoConvertManager)

public:
    static VelVideoConvertManager *getConvertManagerObject(QObject *parent = nullptr);

    int addConverItem(VelVideoConvertItem *item, int position = -1);
    void DeleteItemAt(int index);
    void ClearItems();
    int GetItemCount() const { return m_items.size(); }
    VelVideoConvertItem *GetItem(int index) const;
    bool swapItem(int first, int second);

    VelVideoConvertItem *CreateConvertItemInfo(const QString &path, int programIndex, bool disc);
    VelVideoConvertItem *CreateConvertItemInfoEx(const QString &path, ZvInfo *info, int programIndex, bool disc);
    bool IsValid(int index) const { return index >= 0 && index < m_items.size(); }
    bool IsEmpty() const { return m_items.isEmpty(); }
    void RemoveOne(VelVideoConvertItem *item);
    void OrginalItemInsert(int from, int to);
    QList<VelVideoConvertItem *> GetItemList() const { return m_items; }
    bool IsLosslessMerger() const;

    ~VelVideoConvertManager() override;

private:
    explicit VelVideoConvertManager(QObject *parent);
    void renumberFrom(int position);

    QList<VelVideoConvertItem *> m_items;
    static VelVideoConvertManager *m_myConvertManager;
};
