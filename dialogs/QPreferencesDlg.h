#pragma once

#include "QNinePointsImageDialog.h"
#include "ui_QPreferencesDlg.h"

#include <QList>

class ConvertWidget;
class GeneralWidget;
class QTextImageButton;

// The modal preferences dialog: the General and Convert pages behind two tab
// buttons. OK makes both pages save; Cancel, Escape and the close button save
// nothing. A picked language is previewed in the dialog alone; when it closes,
// however it is dismissed, the dialog reports once whether a new language was
// confirmed, so that its opener can put its own translator back.
class QPreferencesDlg : public QNinePointsImageDialog, public Ui::QPreferencesDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QPreferencesDlg)

public:
    enum ShowSettingDlg { ShowGeneral = 1, ShowConvert = 2 };

    explicit QPreferencesDlg(QWidget* parent = nullptr);
    ~QPreferencesDlg() override;

    void retranslateUi();
    void showPreferencesWgt(ShowSettingDlg page);

    GeneralWidget* generalPage() const { return m_pGeneralWidget; }
    ConvertWidget* convertPage() const { return m_pConvertWidget; }
    QList<QTextImageButton*> tabButtons() const { return m_leftBtnList; }

signals:
    void emitAutoUpdate(bool autoUpdate);
    void emitLangugeChangeSet(bool bChange);

public slots:
    void OnBtnOk();
    void OnLeftBtn();
    bool setLanguge(QString qmFile);
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void InitBtn();
    void InitDlg();
    void InitScrollBar();
    void reportLanguage();

    QTextImageButton* m_pCurrentBtn = nullptr;
    QList<QTextImageButton*> m_leftBtnList;
    GeneralWidget* m_pGeneralWidget = nullptr;
    ConvertWidget* m_pConvertWidget = nullptr;
    bool m_bIsOk = false;
    bool m_bReported = false;
};
