#pragma once
// The main window's player: one codec player handle per opened source. The
// handle is public: the main window hands it to the player panel.

#include <QObject>
#include <QString>

struct ZvPlayer;

class QPlayObject : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(QPlayObject)

public:
    explicit QPlayObject(QObject *parent = nullptr);
    ~QPlayObject() override;

    ZvPlayer *ResetPlay();
    bool SetVideoFile(const QString &path, unsigned int width, unsigned int height);
    bool IsAudioRendererOpenFailed() const;

    ZvPlayer *m_hPlayer = nullptr;

private:
    void releasePlayer();
};
