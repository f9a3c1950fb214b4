#include "QVelMessageBox.h"

#include "QBaseImageDraw.h"
#include "QProjectConfig.h"
#include "QVelBaseButton.h"
#include "QVelProjectPath.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {
void (*s_pMessageBoxOptionCallback)(QVelMessageBoxOption*) = nullptr;
const int kWrapWidth = 500;
const int kMinButtonWidth = 80;
const int kCloseValue = 0x200000;
// Space added below every message line: the message font's line spacing is less
// than its height, so lines drawn at that spacing touched each other.
const int kLineGap = 3;
} // namespace

class QVelMessageBoxPrivate
{
public:
    QString message;
    QString displayText;
    int icon = 0;
    QImage* iconImage = nullptr;
    QRect iconRect;
    QRect textRect;
    QVelBaseButton* closeButton = nullptr;
    QList<QVelBaseButton*> buttons;
    int buttonStyle = 1;
    QVelMessageBoxOption option;
    int minButtonWidth = kMinButtonWidth;
    QSize minSize;
    bool shownOnce = false;
    QSize textSize;
    int textOffsetX = 20;
    int wrapWidth = kWrapWidth;
};

QVelMessageBox::QVelMessageBox(QWidget* parent) : QVelDialog(parent), d(new QVelMessageBoxPrivate)
{
    d->closeButton = new QVelBaseButton(this);
    if (s_pMessageBoxOptionCallback)
        s_pMessageBoxOptionCallback(&d->option);
    QWidget::setPalette(d->option.palette);
    init();
}

QVelMessageBox::~QVelMessageBox()
{
    delete d->closeButton;
    delete d->iconImage;
    qDeleteAll(d->buttons);
    delete d;
}

QString QVelMessageBox::imageFile(const QString& name) const
{
    QString path = d->option.imagePath + "\\" + name;
    QVelProjectPath::formatPath(path);
    return path;
}

void QVelMessageBox::init()
{
    const QString project = QProjectConfig::getProjectConfig()->projectName();
    const QMargins m = d->option.transparentMargins;
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(project);
    setBackgroundImage(imageFile("bg_msg.png"), false);
    setTransparentW(m.left(), m.top(), m.right(), m.bottom());
    setTitleRect(QRect(0, m.top(), 0, 0));
    QBaseDrawWidget::setAlignment(Qt::AlignCenter);
    setMoveTopHeight(d->option.dlgTop + m.top());
    setDlgTitle(project);
    QWidget::setFont(d->option.titleFont);
    setStretchPolicy(StretchNone);
    setGridViewInfo(rectSize(58, 58), rectSize(58, 58), rectSize(58, 58), rectSize(58, 58));
    InitMinSize();
    if (!d->closeButton->setButtonImage(imageFile("btn_close.png"), true)) {
        // Without the skin a small plain button still closes the box.
        d->closeButton->setText(QString(QChar(0x00D7)));
        d->closeButton->resize(18, 18);
    }
    d->closeButton->setFocusPolicy(Qt::NoFocus);
    connect(d->closeButton, &QAbstractButton::clicked, this, &QVelMessageBox::OnBtnClose);
}

void QVelMessageBox::InitMinSize()
{
    const QMargins m = d->option.transparentMargins;
    const int height = m.top() + d->option.dlgTop + d->option.dlgBottom + m.bottom() + 82;
    d->minSize = QSize(int(height * 1.618), height);
    resize(d->minSize);
}

QSize QVelMessageBox::minSize() const { return d->minSize; }

int QVelMessageBox::ShowMessage(QWidget* parent, QString message, QString title, Icon icon, ButtonStyle style)
{
    auto* box = new QVelMessageBox(parent);
    if (!title.isEmpty())
        box->setTitle(title);
    if (parent && (parent->windowFlags() & Qt::WindowStaysOnTopHint))
        box->setWindowFlags(box->windowFlags() | Qt::WindowStaysOnTopHint);
    box->setButtonStyle(style);
    box->setMessageIcon(icon);
    box->setMessage(message);
    const int result = box->exec();
    delete box;
    return result;
}

void QVelMessageBox::setOptionCallback(void (*callback)(QVelMessageBoxOption*))
{
    s_pMessageBoxOptionCallback = callback;
}

void QVelMessageBox::setTitle(QString title) { setDlgTitle(title); }
QString QVelMessageBox::getTitle() const { return getDlgTitle(); }
QString QVelMessageBox::getMessage() const { return d->message; }
QString QVelMessageBox::displayText() const { return d->displayText; }
QSize QVelMessageBox::textSize() const { return d->textSize; }
void QVelMessageBox::setMessageIcon(Icon icon) { d->icon = icon; }
QVelMessageBox::Icon QVelMessageBox::getMessageIcon() const { return Icon(d->icon); }

QString QVelMessageBox::wrapPart(const QString& part) const
{
    const QFontMetrics metrics(d->option.messageFont);
    auto widthOf = [&metrics](const QString& text) {
        return metrics.boundingRect(QRect(0, 0, 0, 0), Qt::TextSingleLine, text).width();
    };
    const QStringList words = part.split(' ');
    const QString& first = words.first();
    if (widthOf(first) > d->wrapWidth) {
        int length = 1;
        while (length < first.size() && widthOf(first.left(length + 1)) <= d->wrapWidth)
            ++length;
        const QString rest = first.mid(length);
        QStringList remaining = words.mid(1);
        if (!rest.isEmpty())
            remaining.prepend(rest);
        if (remaining.isEmpty())
            return first.left(length);
        return first.left(length) + "\n" + wrapPart(remaining.join(' '));
    }
    QString line = first;
    int i = 1;
    while (i < words.size() && widthOf(line + " " + words.at(i)) <= d->wrapWidth) {
        line += " " + words.at(i);
        ++i;
    }
    if (i == words.size())
        return line;
    return line + "\n" + wrapPart(words.mid(i).join(' '));
}

void QVelMessageBox::setMessage(QString message)
{
    d->message = message;
    d->displayText = message;
    d->textSize = QSize(0, 0);
    if (message.isEmpty())
        return;
    QStringList wrapped;
    for (const QString& part : message.split('\n'))
        wrapped << wrapPart(part);
    d->displayText = wrapped.join('\n');
    const QFontMetrics metrics(d->option.messageFont);
    int width = 0;
    int height = 0;
    for (const QString& line : d->displayText.split('\n')) {
        const QRect bounds = metrics.boundingRect(QRect(0, 0, 0, 0), Qt::TextSingleLine, line);
        width = std::max(width, bounds.width());
        height += bounds.height() + kLineGap;
    }
    d->textSize = QSize(width, height);
}

void QVelMessageBox::setButtonStyle(ButtonStyle style)
{
    d->buttonStyle = style;
    releaseBtnList();
    switch (style) {
    case OkButton:
        addButton(d->option.okText, 0x400);
        break;
    case CancelButton:
        addButton(d->option.cancelText, 0x400000);
        break;
    case YesNoButton:
        addButton(d->option.yesText, 0x4000);
        addButton(d->option.noText, 0x10000);
        break;
    default:
        break;
    }
}

void QVelMessageBox::addButton(QString text, int code)
{
    auto* button = new QVelBaseButton(this);
    const bool skinned = button->setButtonImage(imageFile("btn_common.png"), true);
    button->setTextColor(d->option.buttonTextColor[0], d->option.buttonTextColor[1], d->option.buttonTextColor[2],
                         d->option.buttonTextColor[3]);
    button->setFont(d->option.buttonFont);
    button->setText(text);
    button->setDoneSign(code);
    button->setAutoDefault(false);
    const int width = std::max(d->minButtonWidth, QFontMetrics(d->option.buttonFont).horizontalAdvance(text) + 21);
    button->resize(width, skinned ? button->height() : button->sizeHint().height());
    d->buttons.append(button);
    connect(button, &QAbstractButton::clicked, this, &QVelMessageBox::OnBtnDone);
}

void QVelMessageBox::setButtonColor(QColor normal, QColor hover, QColor pressed, QColor disabled)
{
    d->option.buttonTextColor[0] = normal;
    d->option.buttonTextColor[1] = hover;
    d->option.buttonTextColor[2] = pressed;
    d->option.buttonTextColor[3] = disabled;
}

void QVelMessageBox::setTitleFont(QFont& font) { d->option.titleFont = font; }
void QVelMessageBox::setMessageFont(QFont& font) { d->option.messageFont = font; }
QFont QVelMessageBox::messageFont() const { return d->option.messageFont; }

void QVelMessageBox::setPalette(const QPalette& palette)
{
    d->option.palette = palette;
    QWidget::setPalette(palette);
}

void QVelMessageBox::setMessageBoxOption(QVelMessageBoxOption option)
{
    d->option = option;
    QWidget::setPalette(option.palette);
}

QVelMessageBoxOption QVelMessageBox::getMessageBoxOption() const { return d->option; }
QRect QVelMessageBox::getIconRect() const { return d->iconRect; }
QRect QVelMessageBox::getTextRect() const { return d->textRect; }

QRect QVelMessageBox::getBtnRect() const
{
    const QMargins m = d->option.transparentMargins;
    return QRect(QPoint(m.left(), height() - m.bottom() - d->option.dlgBottom),
                 QPoint(width() - 1 - m.right(), height() - m.bottom() - 1));
}

void QVelMessageBox::releaseBtnList()
{
    qDeleteAll(d->buttons);
    d->buttons.clear();
}

QList<QVelBaseButton*> QVelMessageBox::buttons() const { return d->buttons; }
QVelBaseButton* QVelMessageBox::closeButton() const { return d->closeButton; }

void QVelMessageBox::OnBtnClose()
{
    done(kCloseValue);
}

void QVelMessageBox::OnBtnDone()
{
    auto* button = qobject_cast<QVelBaseButton*>(sender());
    if (!button)
        return;
    done(button->getDoneSign());
}

void QVelMessageBox::layoutBox()
{
    const QMargins m = d->option.transparentMargins;
    const int tw = d->textSize.width();
    const int th = d->textSize.height();
    int iconColumn = 0;
    int textColumn = tw + 40;
    d->textOffsetX = 20;
    if (d->iconImage) {
        iconColumn = d->iconImage->width() / 2 + 40;
        textColumn = tw + 20;
        d->textOffsetX = 0;
    }
    int buttonRow = m.left() + m.right() + 2 * d->option.buttonSidePadding;
    for (const QVelBaseButton* button : d->buttons)
        buttonRow += button->width();
    if (!d->buttons.isEmpty())
        buttonRow += d->option.buttonSpacing * (d->buttons.size() - 1);
    const int bands = d->option.dlgTop + d->option.dlgBottom + m.top() + m.bottom();
    int width;
    if (d->option.fixedSize.width() >= 1)
        width = std::max(d->minSize.width(), d->option.fixedSize.width());
    else
        width = std::max({m.left() + iconColumn + textColumn + m.right(), d->minSize.width(), buttonRow});
    int height;
    if (d->option.fixedSize.height() >= 1)
        height = std::max(d->minSize.height(), d->option.fixedSize.height());
    else
        height = std::max(th + 40 + bands, d->minSize.height());
    const int contentTop = (height - 40 - th - bands) / 2 + m.top() + d->option.dlgTop;
    d->iconRect = QRect(m.left(), contentTop, iconColumn, th + 40);
    d->textRect = QRect(m.left() + iconColumn, contentTop, textColumn, th + 40);
    resize(width, height);
}

void QVelMessageBox::showEvent(QShowEvent* event)
{
    delete d->iconImage;
    d->iconImage = nullptr;
    QString file;
    switch (d->icon) {
    case Warning:
        file = imageFile("warning.png");
        break;
    case Success:
        file = imageFile("Success.png");
        break;
    case Error:
        file = imageFile("error.png");
        break;
    case Question:
        file = imageFile("help.png");
        break;
    default:
        break;
    }
    if (!file.isEmpty()) {
        d->iconImage = new QImage(file);
        d->iconImage->setDevicePixelRatio(2.0);
    }
    layoutBox();
    if (!d->shownOnce) {
        d->shownOnce = true;
        QWidget* owner = parentWidget();
        if (!owner) {
            const QScreen* screen = QGuiApplication::primaryScreen();
            const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
            move((area.width() - width()) / 2, (area.height() - height()) / 2);
        } else {
            const QPoint origin = owner->mapToGlobal(QPoint(0, 0));
            int x = origin.x() + (owner->width() - width()) / 2;
            int y = origin.y() + (owner->height() - height()) / 2;
            move(x < 1 ? 50 : x, y < 1 ? 50 : y);
        }
    }
    QVelDialog::showEvent(event);
}

void QVelMessageBox::resetControlLocation()
{
    QVelDialog::resetControlLocation();
    const QMargins m = d->option.transparentMargins;
    d->closeButton->move(m.left() + 8 + d->option.closeButtonOffset.x(), m.top() + 5 + d->option.closeButtonOffset.y());
    d->closeButton->setEnabled(d->option.closeButtonEnabled);
    int left = width() - m.right() - d->option.buttonSidePadding;
    for (int i = d->buttons.size() - 1; i >= 0; --i) {
        QVelBaseButton* button = d->buttons.at(i);
        left -= button->width();
        const int top = (height() - d->option.dlgBottom - m.bottom()) + (d->option.dlgBottom - button->height()) / 2;
        button->move(left, top);
        left -= d->option.buttonSpacing;
    }
}

void QVelMessageBox::paintEvent(QPaintEvent* event)
{
    QVelDialog::paintEvent(event);
    QPainter painter(this);
    drawIcon(&painter);
    drawMessage(&painter);
}

void QVelMessageBox::drawIcon(QPainter* painter)
{
    if (!d->iconImage || d->iconImage->isNull())
        return;
    painter->save();
    const int w = d->iconImage->width() / 2;
    const int h = d->iconImage->height() / 2;
    const int x = d->iconRect.x() + (d->iconRect.width() - w) / 2;
    const int y = d->iconRect.top() - d->option.iconOffset + (d->iconRect.height() - h) / 2;
    QBaseImageDraw::drawImage(*painter, QRect(x, y, w, h), QRect(0, 0, w, h), *d->iconImage);
    painter->restore();
}

QVector<QRect> QVelMessageBox::messageLineRects() const
{
    QVector<QRect> rects;
    if (d->displayText.isEmpty())
        return rects;
    const QFontMetrics metrics(d->option.messageFont);
    int y = d->textRect.top() + (d->textRect.height() - d->textSize.height()) / 2;
    for (const QString& line : d->displayText.split('\n')) {
        const int height = metrics.boundingRect(QRect(0, 0, 0, 0), Qt::TextSingleLine, line).height();
        rects << QRect(d->textRect.x() + d->textOffsetX, y, d->textSize.width(), height);
        y += height + kLineGap;
    }
    return rects;
}

// Line by line at the measured heights: one wrapped block would be drawn at the
// font's tighter line spacing and no longer match the measured text size.
void QVelMessageBox::drawMessage(QPainter* painter)
{
    if (d->displayText.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->setFont(d->option.messageFont);
    painter->setPen(palette().color(QPalette::Text));
    const QStringList lines = d->displayText.split('\n');
    const QVector<QRect> rects = messageLineRects();
    for (int i = 0; i < lines.size() && i < rects.size(); ++i)
        painter->drawText(rects.at(i), Qt::TextSingleLine, lines.at(i));
    painter->restore();
}
