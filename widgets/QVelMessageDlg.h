#pragma once

#include "QImagaeRatioDraw.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QVector>

namespace Ui {
class QVelMessageDlg;
}

// A frameless, picture-drawn message dialog: title, word-wrapped message, an
// optional status icon and one or two picture buttons chosen by a style word.
class QVelMessageDlg : public QDialog
{
    Q_OBJECT

public:
    enum Style : unsigned int {
        ShowIcon = 0x2,
        WarningBit = 0x10,
        SuccessBit = 0x20,
        OkStop = 0x100,
        Restart = 0x200,
        YesNo = 0x400,
    };

    explicit QVelMessageDlg(QWidget* parent = nullptr);
    ~QVelMessageDlg() override;

    void SetTitle(QString title);
    void SetMessage(QString message);
    void SetMessageStyle(unsigned int style);
    void setMovePos(int x, int y);
    void setBackgroundImage(QString path);
    void setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft, rectSize bottomRight);
    void InitConnects();
    void SetTitleImageRect();
    void SetIconRect();
    void GetAppPath(QString& path);

    // The status icon's file name for a style, empty when it shows none.
    static QString iconName(unsigned int style);
    QRect messageRect() const { return m_messageRect; }
    // Where each shown message line is drawn, top to bottom.
    QVector<QRect> messageLineRects() const;
    QRect titleRect() const { return m_titleRect; }
    QRect titleIconRect() const { return m_titleIconRect; }
    QRect closeButtonRect() const;
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

public slots:
    void OnBtnOk();
    void OnBtnCancel();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    void DrawTop(QPainter& painter);
    void DrawBottom(QPainter& painter);
    void DrawLeft(QPainter& painter);
    void DrawRight(QPainter& painter);
    void DrawBorder(QPainter& painter);
    void drawBackground(QPainter& painter);

private:
    Q_DISABLE_COPY(QVelMessageDlg)
    QString picture(const QString& name) const;
    void layoutMessage();
    void setupButtons();
    void placeButtons();
    int lineHeight() const;
    QStringList wrapMessage(int width) const;

    Ui::QVelMessageDlg* ui;
    QString m_picPrefix;
    QString m_title = QStringLiteral("Zededera Raziz Azodor");
    QString m_message;
    QStringList m_messageLines;
    QRect m_titleRect;
    QRect m_messageRect;
    QFont m_titleFont;
    QFont m_messageFont;
    QPixmap m_titleIcon;
    QPixmap m_statusIcon;
    QRect m_titleIconRect;
    QRect m_iconRect;
    QRect m_dialogRect;
    int m_moveX = -1;
    int m_moveY = -1;
    QImage m_bgImage;
    rectSize m_grid[4];
    QPixmap m_borders[4];
    QSize m_baseSize = QSize(306, 189);
    unsigned int m_style = 0;
    QPoint m_pressPos;
};
