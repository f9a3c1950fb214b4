#pragma once

#include <QLabel>

class QLineEdit;

// A file-name label that shortens the name with "..." when it does not fit, shows
// the whole name as its tool tip then, and offers an inline rename editor that
// refuses characters not allowed in file names.
class RetractLabel : public QLabel
{
    Q_OBJECT

public:
    explicit RetractLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString getName();
    int getTextWidth();
    void setPixelSize(int size);
    void setIgnoreExten(bool ignore);
    void setCanEditText(bool edit);
    QLineEdit* editor() const { return m_edit; }

signals:
    void emitChangeName();

public slots:
    void RenameOK();
    void NameChange(QString text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Q_DISABLE_COPY(RetractLabel)
    QString baseName() const;
    QSize laidOut(const QString& text) const;

    QString m_name;
    QLineEdit* m_edit = nullptr;
    QString m_lastValid;
    int m_pixelSize = 13;
    int m_textWidth = -1;
    bool m_ignoreExten = true;
    bool m_editing = false;
};
