#pragma once

#include "ui_QVideoEditTag.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>

class QVelBaseButton;

// A centred row of tab buttons with single selection: the selected button is
// checked and disabled, so only another button can be chosen.
class QVideoEditTag : public QWidget, public Ui_QVideoEditTag
{
    Q_OBJECT
    Q_DISABLE_COPY(QVideoEditTag)

public:
    explicit QVideoEditTag(QWidget* parent = nullptr);
    ~QVideoEditTag() override;

    void createTag(QStringList names);
    void setSelectedTag(int index);
    void setHiddenTag(int index);
    void setDisableTag(int index, bool disable);
    void setBackgroundColor(QColor color);

    QList<QVelBaseButton*> buttons() const { return m_btnList; }
    int currentIndex() const { return m_currentIndex; }

signals:
    void emitSelectedTag(int index);

public slots:
    void onButton();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVelBaseButton* initButton(const QString& name);

    int m_currentIndex = 0;
    QStringList m_names;
    QList<QVelBaseButton*> m_btnList;
    QVelBaseButton* m_selectedBtn = nullptr;
    QColor m_bgColor = QColor(255, 0, 0);
};
