#pragma once

#include <QMargins>
#include <QString>

class QAbstractSpinBox;
class QLineEdit;
class QObject;
class QVelBaseButton;

// The up and down image buttons of the skinned spin boxes: creation, placement and
// the press-and-hold repeat (first repeated step at the seventh 100 ms tick).
class QVelSpinButtons
{
public:
    explicit QVelSpinButtons(QAbstractSpinBox* owner);
    ~QVelSpinButtons();

    // Returns true when the buttons were created (the up picture exists).
    bool create(const QString& upPath, const QString& downPath, bool keepSize);
    void destroy();
    void place();
    void setMargins(int left, int top, int right, int bottom);
    QMargins margins() const;

    void press(QObject* sender);
    void release();
    // Returns +1 or -1 when the repeat timer asks for a step, 0 otherwise.
    int tick(int timerId);

    // The edit line of a field drawn on a picture: the inner margin the skinned line
    // edits keep, and its text faded while the field is disabled (the picture has no
    // disabled look of its own).
    static void styleFieldEdit(QLineEdit* edit);
    static void fadeFieldEdit(QLineEdit* edit, bool disabled);

    QVelBaseButton* up() const { return m_up; }
    QVelBaseButton* down() const { return m_down; }

private:
    QAbstractSpinBox* m_owner;
    QVelBaseButton* m_up = nullptr;
    QVelBaseButton* m_down = nullptr;
    qint16 m_left = -1;
    // A left margin computed before the owner is first shown follows its size until then.
    bool m_leftProvisional = false;
    qint16 m_top = 0;
    qint16 m_right = 0;
    qint16 m_bottom = 0;
    bool m_keepSize = true;
    int m_timerId = 0;
    bool m_repeatUp = true;
    int m_ticks = 0;
};
