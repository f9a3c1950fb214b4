#pragma once

#include "QVelDialog.h"
#include "QVelMessageBoxOption.h"

#include <QList>
#include <QVector>

class QVelBaseButton;
class QVelMessageBoxPrivate;

// The application's modal message box: icon, word-wrapped message, a close button in
// the title band and text buttons in the bottom band. ShowMessage returns Qt's
// standard button value of the pressed button (0 on Escape).
class QVelMessageBox : public QVelDialog
{
    Q_OBJECT

public:
    enum Icon { NoIcon = 0, Warning = 1, Information = 2, Success = 3, Error = 4, Question = 5 };
    enum ButtonStyle { NoButton = 0, OkButton = 1, CancelButton = 2, NoButtons = 3, YesNoButton = 4 };

    explicit QVelMessageBox(QWidget* parent = nullptr);
    ~QVelMessageBox() override;

    static int ShowMessage(QWidget* parent, QString message, QString title = QString(), Icon icon = NoIcon,
                           ButtonStyle style = OkButton);
    static void setOptionCallback(void (*callback)(QVelMessageBoxOption*));

    void setTitle(QString title);
    QString getTitle() const;
    void setMessage(QString message);
    QString getMessage() const;
    QString displayText() const;
    QSize textSize() const;
    void setMessageIcon(Icon icon);
    Icon getMessageIcon() const;
    void setButtonStyle(ButtonStyle style);
    void addButton(QString text, int code);
    void setButtonColor(QColor normal, QColor hover, QColor pressed, QColor disabled);
    void setTitleFont(QFont& font);
    void setMessageFont(QFont& font);
    QFont messageFont() const;
    void setPalette(const QPalette& palette);
    void setMessageBoxOption(QVelMessageBoxOption option);
    QVelMessageBoxOption getMessageBoxOption() const;
    QRect getIconRect() const;
    QRect getTextRect() const;
    // Where each line of the wrapped message is drawn, top to bottom.
    QVector<QRect> messageLineRects() const;
    QRect getBtnRect() const;
    void InitMinSize();
    void releaseBtnList();
    QList<QVelBaseButton*> buttons() const;
    QVelBaseButton* closeButton() const;
    QSize minSize() const;

    void resetControlLocation() override;

public slots:
    void OnBtnClose();
    void OnBtnDone();

protected:
    virtual void drawIcon(QPainter* painter);
    virtual void drawMessage(QPainter* painter);

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Q_DISABLE_COPY(QVelMessageBox)
    void init();
    void layoutBox();
    QString wrapPart(const QString& part) const;
    QString imageFile(const QString& name) const;
    QVelMessageBoxPrivate* d;
};
