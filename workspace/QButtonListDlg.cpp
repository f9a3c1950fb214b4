#include "QButtonListDlg.h"
#include "WorkspaceLog.h"

#include "QIAnyUtil.h"
#include "QTextImageButton.h"

#include <QDebug>
#include <QHBoxLayout>

QButtonListDlg::QButtonListDlg(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QButtonListDlg"));
    horizontalLayoutWidget = new QWidget(this);
    horizontalLayoutWidget->setGeometry(80, 10, 350, 40);
    m_horizontalLayout = new QHBoxLayout(horizontalLayoutWidget);
    m_horizontalLayout->setSpacing(0);
    m_horizontalLayout->setContentsMargins(0, 0, 0, 0);
    m_btnHLayout = new QHBoxLayout;
    m_btnHLayout->setSpacing(0);
    m_btnHLayout->setContentsMargins(-1, -1, 0, -1);
    m_horizontalLayout->addLayout(m_btnHLayout);

    resize((m_showCount + 2) * m_cellWidth + (m_showCount + 1) * m_gap + 6, m_cellHeight);
    const QString res = QIAnyUtil::getResourcePath();
    m_btnPrevious = new QTextImageButton(this);
    m_btnPrevious->setBtnImage(res + "/image/CutToolDlg/btn_left.png");
    m_btnPrevious->setTextPixelSize(8);
    m_btnNext = new QTextImageButton(this);
    m_btnNext->setBtnImage(res + "/image/CutToolDlg/btn_right.png");
    m_btnNext->setTextPixelSize(8);
    connect(m_btnPrevious, &QTextImageButton::clicked, this, &QButtonListDlg::OnPreviousBtn);
    connect(m_btnNext, &QTextImageButton::clicked, this, &QButtonListDlg::OnNextBtn);
    RefreshShow();

    // The strip takes the form's layout as its own.
    setLayout(m_horizontalLayout);
    m_horizontalLayout->setContentsMargins(25, 0, 25, 0);
    m_btnHLayout->setSpacing(15);
}

QButtonListDlg::~QButtonListDlg() = default;

void QButtonListDlg::makeCurrent(QTextImageButton* button)
{
    if (m_current)
        m_current->setCheckState(false);
    m_current = button;
    if (m_current)
        m_current->setCheckState(true);
}

void QButtonListDlg::addBtnItem(bool current)
{
    auto* button = new QTextImageButton(this);
    button->setBtnImageForRect(QIAnyUtil::getResourcePath() + "/image/Common_bg/btn_common3.png",
                               QRect(QPoint(0, 0), QPoint(m_cellWidth - 1, m_cellHeight - 1)));
    button->setTextPixelSize(8);
    button->setTextColor(QColor(255, 255, 255));
    if (current)
        makeCurrent(button);
    connect(button, &QTextImageButton::clicked, this, &QButtonListDlg::OnClickBtn);
    m_btnHLayout->addWidget(button);
    m_buttons.append(button);
    m_first = qMax(0, m_buttons.size() - m_showCount);
    RefreshShow();
}

void QButtonListDlg::setCurrItem(int index)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    makeCurrent(m_buttons[index]);
}

void QButtonListDlg::deleteBtn(int index)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    QTextImageButton* button = m_buttons[index];
    if (button == m_current) {
        m_current = nullptr;
        if (m_buttons.size() >= 2)
            makeCurrent(m_buttons[index == 0 ? 1 : index - 1]);
    }
    m_btnHLayout->removeWidget(button);
    delete button;
    m_buttons.removeAt(index);
    RefreshShow();
}

void QButtonListDlg::deleteAll()
{
    while (!m_buttons.isEmpty()) {
        QTextImageButton* button = m_buttons.takeLast();
        m_btnHLayout->removeWidget(button);
        delete button;
    }
    m_current = nullptr;
    m_first = 0;
}

void QButtonListDlg::showLastItem()
{
    m_first = qMax(0, m_buttons.size() - m_showCount);
    RefreshShow();
}

void QButtonListDlg::setShowCount(int count)
{
    m_showCount = count;
    resize((count + 2) * m_cellWidth + (count + 1) * m_gap + 6, m_cellHeight);
}

void QButtonListDlg::RefreshShow()
{
    const int n = m_buttons.size();
    if (n < m_showCount)
        m_first = 0;
    if (m_first + m_showCount > n)
        m_first = n - m_showCount;
    m_first = qMax(0, m_first);
    for (int i = 0; i < n; ++i) {
        m_buttons[i]->setVisible(i >= m_first && i < m_first + m_showCount);
        m_buttons[i]->setBtnText(QString::number(i + 1));
    }
    m_btnPrevious->setVisible(m_first != 0);
    m_btnNext->setVisible(m_first + m_showCount < n);
}

void QButtonListDlg::OnPreviousBtn()
{
    m_first = m_buttons.size() < m_showCount ? 0 : qMax(0, m_first - 1);
    RefreshShow();
}

void QButtonListDlg::OnNextBtn()
{
    if (m_buttons.size() < m_showCount)
        m_first = 0;
    else if (m_first + 5 < m_buttons.size())
        ++m_first;
    RefreshShow();
}

void QButtonListDlg::OnClickBtn()
{
    auto* button = qobject_cast<QTextImageButton*>(sender());
    if (!button || button == m_current)
        return;
    makeCurrent(button);
    const int index = m_buttons.indexOf(button);
    qCDebug(lcWorkspace) << "segment button" << index;
    emit ClickIndex(index);
}

void QButtonListDlg::paintEvent(QPaintEvent*)
{
    m_btnPrevious->move(0, 0);
    m_btnNext->move(width() - m_btnNext->width(), 0);
}
