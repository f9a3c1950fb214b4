#pragma once

#include "QVelDialog.h"
#include "ui_QMessageOpacityForm.h"

class QTimer;

// A small note at the top right of the desktop that stays fully visible for a
// second and then fades out; the pointer over it holds the fade.
class QMessageOpacityForm : public QVelDialog, public Ui_QMessageOpacityForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QMessageOpacityForm)

public:
    explicit QMessageOpacityForm(QWidget* parent = nullptr);
    ~QMessageOpacityForm() override;

    void setMessageText(QString text);
    void setMessageText(QString text, int x, int y);
    void startOpacity();
    void setShowlink(int x, int y, bool show);
    void setCheckShow(bool show);
    void setIsOpacity(bool hold);
    void setXmlSetting();
    QTimer* fadeTimer() const { return m_timer; }

signals:
    void NoShowMsgDlg();

public slots:
    void onTimer();
    void onClose();
    void openUrl(QString link);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void initControls();
    void placeText(const QString& text, int x, int y);

    QTimer* m_timer = nullptr;
    bool m_bIsOpacity = true;
};
