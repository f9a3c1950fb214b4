#pragma once

#include "QVelBaseRectImageDraw.h"

#include <QWidget>

class QVelBaseTextEdit;
class QVelTextEditPrivate;

// Multi-line edit over a background image: a plain widget hosting a text edit.
class QVelTextEdit : public QWidget, public QVelBaseRectImageDraw
{
    Q_OBJECT

public:
    explicit QVelTextEdit(QWidget* parent = nullptr);
    ~QVelTextEdit() override;

    bool setBackgroundImage(QString path);
    void setEditMargins(int left, int top, int right, int bottom);
    void setEditMargins(QMargins const& margins);
    QVelBaseTextEdit* textEdit() const;
    QVelBaseTextEdit* baseTextEdit() const;
    void setBaseTextEdit(QVelBaseTextEdit* edit);

signals:
    void textChanged(QString text);

public slots:
    void textEditChange();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QVelTextEdit)
    void adopt(QVelBaseTextEdit* edit);
    QVelTextEditPrivate* d;
};
