#include "RetractLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpression>

RetractLabel::RetractLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    installEventFilter(this);
}

QSize RetractLabel::laidOut(const QString& text) const
{
    const QRect box(0, 0, width(), 100000);
    return QFontMetrics(font()).boundingRect(box, Qt::TextWrapAnywhere, text).size();
}

void RetractLabel::setText(const QString& text)
{
    m_name = text;
    QFont labelFont("Tahoma");
    labelFont.setPixelSize(m_pixelSize);
    setFont(labelFont);
    if (height() < 1 || QFontMetrics(labelFont).height() > height())
        return;

    QSize size = laidOut(text);
    if (size.height() <= height()) {
        QLabel::setText(text);
        setToolTip(QString());
        m_textWidth = size.width();
        return;
    }
    // Shortening ends at "..." alone, even when that does not fit either.
    QString shown = QStringLiteral("...");
    for (int cut = 1; cut <= text.size(); ++cut) {
        const QString candidate = text.left(text.size() - cut) + QStringLiteral("...");
        size = laidOut(candidate);
        shown = candidate;
        if (size.height() <= height())
            break;
    }
    QLabel::setText(shown);
    setToolTip(text);
    m_textWidth = laidOut(shown).width();
}

QString RetractLabel::getName() { return m_name; }
int RetractLabel::getTextWidth() { return m_textWidth; }
void RetractLabel::setPixelSize(int size) { m_pixelSize = size; }
void RetractLabel::setIgnoreExten(bool ignore) { m_ignoreExten = ignore; }

QString RetractLabel::baseName() const
{
    const int dot = m_name.lastIndexOf('.');
    return dot < 0 ? m_name : m_name.left(dot);
}

void RetractLabel::setCanEditText(bool)
{
    if (!m_edit) {
        m_edit = new QLineEdit(this);
        m_edit->setAcceptDrops(true);
        connect(m_edit, &QLineEdit::returnPressed, this, &RetractLabel::RenameOK);
        connect(m_edit, &QLineEdit::editingFinished, this, &RetractLabel::RenameOK);
        connect(m_edit, &QLineEdit::textChanged, this, &RetractLabel::NameChange);
    }
    const QString text = m_ignoreExten ? baseName() : m_name;
    m_lastValid = text;
    m_edit->setText(text);
    m_editing = true;
    m_edit->setGeometry(QRect(QPoint(0, 0), QPoint(m_textWidth + 1, height() - 1)));
    m_edit->show();
    m_edit->selectAll();
    m_edit->setFocus();
}

void RetractLabel::NameChange(QString text)
{
    static const QRegularExpression forbidden(QStringLiteral("[/:*\"<>|?\\\\]"));
    if (!text.contains(forbidden))
        m_lastValid = text;
    else
        m_edit->setText(m_lastValid);
}

// A name that is empty or only dots would make a hidden file or no file at all:
// it is refused and the old name stays.
void RetractLabel::RenameOK()
{
    // Return gives returnPressed and editingFinished, and hiding the editor moves
    // the focus away: only the first of these ends the edit.
    if (!m_edit || !m_editing)
        return;
    m_editing = false;
    m_edit->hide();
    const QString typed = m_edit->text();
    if (typed.trimmed().isEmpty() || QString(typed).remove('.').trimmed().isEmpty())
        return;
    if (m_ignoreExten) {
        if (typed == baseName())
            return;
        const int dot = m_name.lastIndexOf('.');
        m_name = typed + (dot < 0 ? QString() : m_name.mid(dot));
    } else {
        m_name = typed;
    }
    emit emitChangeName();
}

bool RetractLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this) {
        if (event->type() == QEvent::WindowDeactivate) {
            m_editing = false;
            if (m_edit)
                m_edit->hide();
            return true;
        }
        return false;
    }
    return QLabel::eventFilter(watched, event);
}
