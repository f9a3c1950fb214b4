#include "QVideoEditTag.h"

#include "QVEInitCtrlStyle.h"
#include "QVelBaseButton.h"
#include "VECommonClass.h"

QVideoEditTag::QVideoEditTag(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setLayout(m_verticalLayout);
}

QVideoEditTag::~QVideoEditTag() = default;

void QVideoEditTag::createTag(QStringList names)
{
    if (names.isEmpty())
        return;
    qDeleteAll(m_btnList);
    m_btnList.clear();
    m_selectedBtn = nullptr;
    m_names = names;
    for (const QString& name : names) {
        QVelBaseButton* button = initButton(name);
        button->setFixedHeight(25);
        button->setTextRect(QRect(0, 0, 0, 25));
        m_btnList.append(button);
        m_horizontalLayout->addWidget(button);
    }
}

QVelBaseButton* QVideoEditTag::initButton(const QString& name)
{
    auto* button = new QVelBaseButton(this);
    button->setText(name);
    button->setButtonImage(VECommonClass::getCustomResPath() + QStringLiteral("/tab_btn_bg_image.png"), true);
    const QColor light(246, 246, 246);
    button->setTextColor(light, light, QColor(243, 228, 142), light);
    QVEInitCtrlStyle::SetFont(button, 12);
    button->setCheckable(true);
    connect(button, &QAbstractButton::clicked, this, &QVideoEditTag::onButton);
    return button;
}

// A hidden tag passes the selection on to the first visible tag after it.
void QVideoEditTag::setSelectedTag(int index)
{
    if (m_btnList.isEmpty() || index < 0 || index >= m_btnList.size())
        return;
    int chosen = index;
    while (chosen < m_btnList.size() && m_btnList.at(chosen)->isHidden())
        ++chosen;
    m_currentIndex = chosen;
    if (chosen < m_btnList.size())
        m_btnList.at(chosen)->click();
}

void QVideoEditTag::setHiddenTag(int index)
{
    if (index < 0 || index >= m_btnList.size())
        return;
    m_btnList.at(index)->hide();
    m_btnList.at(index)->setEnabled(false);
}

void QVideoEditTag::setDisableTag(int index, bool disable)
{
    if (index >= 0 && index < m_btnList.size())
        m_btnList.at(index)->setEnabled(!disable);
}

void QVideoEditTag::setBackgroundColor(QColor color) { m_bgColor = color; }

void QVideoEditTag::onButton()
{
    if (m_selectedBtn) {
        m_selectedBtn->setChecked(false);
        // A tag hidden while selected stays out of reach.
        m_selectedBtn->setEnabled(!m_selectedBtn->isHidden());
    }
    auto* button = qobject_cast<QVelBaseButton*>(sender());
    m_selectedBtn = button;
    if (button) {
        button->setChecked(true);
        button->setEnabled(false);
    }
    emit emitSelectedTag(m_btnList.indexOf(button));
}

// The dialog behind the bar shows through.
void QVideoEditTag::paintEvent(QPaintEvent* event) { QWidget::paintEvent(event); }
