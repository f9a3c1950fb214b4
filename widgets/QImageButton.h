#pragma once

#include <QImage>
#include <QPushButton>
#include <QRect>
#include <QString>

class QLabel;
class QMovie;

// A plain picture button: one cell of a four-state strip at its natural size, with
// an optional white caption and an optional animation over it.
class QImageButton : public QPushButton
{
    Q_OBJECT

public:
    explicit QImageButton(QWidget* parent = nullptr);
    ~QImageButton() override;

    bool setBtnImage(QString path);
    void setBtnanimation(int x, int y, QString movieFile);
    void setAnimationStart(bool on);
    bool getAnimationState();
    void setBtnText(QRect rect, QString text, bool show);
    void setShowBtnText(bool show);
    void setFontSize(int size);
    void setOverState(bool on);
    void setBtnState(int state);
    int state() const { return m_state; }

signals:
    void mouseMove(QMouseEvent* event, int pressX);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(QImageButton)
    void setStateNow(int state);

    int m_pressX = 0;
    QImage m_image;
    QLabel* m_animLabel = nullptr;
    QMovie* m_movie = nullptr;
    bool m_animation = false;
    QRect m_textRect;
    bool m_showText = false;
    QString m_text;
    int m_state = 0;
    int m_fontSize = 9;
    bool m_overState = false;
};
