#pragma once

#include "ui_GeneralWidget.h"

#include <QWidget>

// The General page of the preferences: interface language, automatic updates and
// what the main window's close button does. Reads the saved choices when built,
// previews a picked language through sendLanguageName and writes only what
// changed when the dialog's OK calls saveSetting.
class GeneralWidget : public QWidget, public Ui::GeneralWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(GeneralWidget)

public:
    explicit GeneralWidget(QWidget* parent = nullptr);
    ~GeneralWidget() override;

    void saveSetting();
    bool getChangeLanguage();
    void retranslateUi();
    // Puts back the interface language type that held when the page was built;
    // picking a language sets it at once, so a dismissed dialog must undo that.
    void restoreLanguageType();

signals:
    void sendUpdate(bool autoUpdate);
    void sendLanguageName(QString qmFile);

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void OnChanegeUpdate();
    void OnChangeClose();
    void languageChange(int index);

private:
    void InitCtrl();
    void InitCombo();
    void InitLanguage();
    void InitGroups();
    void InitChoices();
    static QString languageListPath();

    bool m_bIsAutoUpdate = false;
    bool m_bIsCloseDlg = false;
    int m_nLanguageIndex = -1;
    int m_nLanguageType = 0;
};
