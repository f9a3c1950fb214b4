#include "QVelTextEdit.h"

#include "QVelBaseTextEdit.h"

class QVelTextEditPrivate
{
public:
    qint16 left = 0;
    qint16 top = 0;
    qint16 right = 0;
    qint16 bottom = 0;
    QVelBaseTextEdit* edit = nullptr;
};

QVelTextEdit::QVelTextEdit(QWidget* parent)
    : QWidget(parent), QVelBaseRectImageDraw(this), d(new QVelTextEditPrivate)
{
    setAcceptDrops(false);
    adopt(new QVelBaseTextEdit(this));
}

QVelTextEdit::~QVelTextEdit()
{
    delete d;
}

void QVelTextEdit::adopt(QVelBaseTextEdit* edit)
{
    d->edit = edit;
    if (!edit)
        return;
    edit->setParent(this);
    edit->setAttribute(Qt::WA_MacShowFocusRect, false);
    edit->setAcceptDrops(false);
    connect(edit, &QTextEdit::textChanged, this, &QVelTextEdit::textEditChange);
}

bool QVelTextEdit::setBackgroundImage(QString path)
{
    if (!QVelBaseRectImageDraw::setBackgroundImage(path))
        return false;
    if (d->edit)
        d->edit->setStyleSheet("QTextEdit {background-color:transparent;border:none}");
    return true;
}

void QVelTextEdit::setEditMargins(int left, int top, int right, int bottom)
{
    d->left = qint16(left);
    d->top = qint16(top);
    d->right = qint16(right);
    d->bottom = qint16(bottom);
    update();
    updateGeometry();
}

void QVelTextEdit::setEditMargins(QMargins const& margins)
{
    setEditMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
}

QVelBaseTextEdit* QVelTextEdit::textEdit() const { return d->edit; }
QVelBaseTextEdit* QVelTextEdit::baseTextEdit() const { return d->edit; }

void QVelTextEdit::setBaseTextEdit(QVelBaseTextEdit* edit)
{
    if (edit == d->edit)
        return;
    delete d->edit;
    adopt(edit);
}

void QVelTextEdit::textEditChange()
{
    if (d->edit)
        emit textChanged(d->edit->toPlainText());
}

void QVelTextEdit::paintEvent(QPaintEvent* event)
{
    QVelBaseRectImageDraw::paintEvent(event);
    if (d->edit)
        d->edit->setGeometry(QRect(QPoint(d->left, d->top), QPoint(width() - 1 - d->right, height() - 1 - d->bottom)));
}
