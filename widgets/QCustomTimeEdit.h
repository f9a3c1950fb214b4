#pragma once

#include "QCustomImageWidget.h"

#include <QDateTimeEdit>
#include <QTime>

class QTextImageButton;
class QTimeEditEx;

// The skinned time field of the segment rows: an image frame holding a time editor
// and up and down picture buttons. Every confirmed typed time and every button step
// is reported in microseconds; the owner answers by setting the time back.
class QCustomTimeEdit : public QCustomImageWidget
{
    Q_OBJECT

public:
    explicit QCustomTimeEdit(QWidget* parent = nullptr);

    void setUpAndDownBtnImage(QString upPath, QString downPath);
    void setEditColor(QColor enabled, QColor disabled);
    void setTimeRange(quint64 minimum, quint64 maximum);
    void clearRange();
    void setCurrentTime(quint64 micros);
    quint64 getCurrentTime();
    void setTimeEidtTextColor(QColor color);
    quint64 TimeConvertToInt(QTime time);
    QTime IntConvertToTime(quint64 micros);

    QTimeEditEx* editor() const { return m_edit; }
    QTextImageButton* upButton() const { return m_btnUp; }
    QTextImageButton* downButton() const { return m_btnDown; }

    // The time an up (down) step of `section` from `current` should give, when the
    // editor's own step `stepped` does not carry (borrow) into the next field.
    static QTime carriedUp(QTime current, QTime stepped, QDateTimeEdit::Section section, QTime maximum);
    static QTime borrowedDown(QTime current, QTime stepped, QDateTimeEdit::Section section, QTime minimum,
                              QTime maximum);

signals:
    void emitTimeChange(quint64 micros);

public slots:
    void onTimeChanged(QTime time);
    void OnBtnUp();
    void OnBtnDown();
    void timeTextEdited(QString text);
    void timeEditingFinished();
    void timeTextChanged(QString text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(QCustomTimeEdit)

    QTimeEditEx* m_edit = nullptr;
    QTextImageButton* m_btnUp = nullptr;
    QTextImageButton* m_btnDown = nullptr;
    QColor m_editColor = QColor(69, 69, 69, 255);
    QColor m_editDisColor = QColor(98, 120, 120, 255);
    quint64 m_currentMicros = 0;
    QTime m_currentTime;
    QString m_lastValidText;
    // The range the owner set; the editor holds it except while it has the focus.
    QTime m_minimum = QTime(0, 0);
    QTime m_maximum = QTime(23, 59, 59, 999);
};
