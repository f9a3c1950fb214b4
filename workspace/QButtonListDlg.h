#pragma once

#include <QList>
#include <QWidget>

class QHBoxLayout;
class QTextImageButton;

// The strip of numbered segment buttons: six visible at a time, with previous and
// next buttons to scroll; clicking a number selects that segment.
class QButtonListDlg : public QWidget
{
    Q_OBJECT

public:
    explicit QButtonListDlg(QWidget* parent = nullptr);
    ~QButtonListDlg() override;

    void addBtnItem(bool current);
    void setCurrItem(int index);
    void deleteBtn(int index);
    void deleteAll();
    int getItemCount() const { return m_buttons.size(); }
    void showLastItem();
    void setShowCount(int count);

    int firstVisible() const { return m_first; }
    int currentIndex() const { return m_buttons.indexOf(m_current); }
    QTextImageButton* button(int index) const { return m_buttons.value(index); }
    QTextImageButton* previousButton() const { return m_btnPrevious; }
    QTextImageButton* nextButton() const { return m_btnNext; }

signals:
    void ClickIndex(int index);

public slots:
    void OnPreviousBtn();
    void OnNextBtn();
    void OnClickBtn();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QButtonListDlg)
    void RefreshShow();
    void makeCurrent(QTextImageButton* button);

    int m_showCount = 6;
    int m_cellWidth = 19;
    int m_cellHeight = 19;
    int m_gap = 3;
    int m_first = 0;
    QWidget* horizontalLayoutWidget = nullptr;
    QHBoxLayout* m_horizontalLayout = nullptr;
    QHBoxLayout* m_btnHLayout = nullptr;
    QTextImageButton* m_btnPrevious = nullptr;
    QTextImageButton* m_btnNext = nullptr;
    QList<QTextImageButton*> m_buttons;
    QTextImageButton* m_current = nullptr;
};
