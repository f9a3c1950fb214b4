#pragma once

#include "AttributeSetting.h"
#include "QNinePointsImageDialog.h"
#include "QualityItem.h"
#include "ui_FormatWidget.h"

#include <QList>
#include <QPointer>
#include <QPropertyAnimation>
#include <QString>

class QDialog;
class QPlistRead;
class QTextImageButton;

// The output-format dialog: one per process. The user picks the high-speed
// (stream copy) or the encoding mode, a category, a preset and, when encoding,
// a quality and custom codec values; OK saves the choice and rebuilds the
// output profile, Cancel restores the saved one.
class FormatWidget : public QNinePointsImageDialog, public Ui::FormatWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(FormatWidget)

public:
    static FormatWidget* getFormatWidget(QWidget* parent = nullptr);

    void setFormatId(QString category, QString id, bool load);
    void setFormatIdLossLess(QString category, QString id, bool load);
    void setDefaultSet();
    void InitLossless();
    void InitCustomizeFormat();
    void setDefaultQuality(QualityItem quality);
    void saveDefaultQuality();
    void OnShowSettingDlg(bool show);
    void retranslateUi();

    void selectQuality(bool unused = false);
    void setCustomizedItem(bool on);
    void showLosslessMode(bool lossless);
    void setSelectText(QString text);
    void startShowSetDlgAnimtion(bool show);
    void startShowFormatAnimtion(bool compact);
    void CenterDlg(QDialog& dlg);
    QString analysisItemIcon(QString category);
    QString getItemIcon();
    bool getIsLossless() const { return m_bAttentionShown; }

    // Read access for the main window and the tests.
    QString formatCategory() const { return m_formatCate; }
    QString formatId() const { return m_formatId; }
    QString formatCategoryLossless() const { return m_formatCateLossless; }
    QString formatIdLossless() const { return m_formatIdLossless; }
    QString devFormat() const { return m_devFormat; }
    int quality() const { return m_quality; }
    bool isCompact() const { return m_bCompact; }
    const QList<QTextImageButton*>& categoryButtons() const { return m_categoryBtns; }
    const QList<QTextImageButton*>& categoryLosslessButtons() const { return m_categoryLosslessBtns; }
    QTextImageButton* currentCategoryButton() const { return m_currentCategoryBtn; }
    QPropertyAnimation* settingAnimation() const { return m_settingAnimation; }

    static QPlistRead* encodingReader();
    // The preset list's name of a category tab, and the name shown for one.
    static QString categoryKey(const QTextImageButton* tab);
    static QString categoryCaption(const QString& key);
    static QPlistRead* losslessReader();

signals:
    void sendDevFormatChange(QString DevFormat);
    void settingChangeForFormat();

public slots:
    void OnTypeBtn();
    void OnTypeLosslessBtn();
    void ItemPress(QString categories, QString itemID);
    void ItemPressLossless(QString categories, QString itemID);
    void OnClickBtnSet(QString itemID);
    void OnClickFormatWgt();
    void OnClickLossless();
    void OnClickCustomizeFormat();
    void ItemChange(int index);
    void isSelCustomized(bool customized);
    void valueChangeText(VideoQuality quality);
    void OnBtnOk();
    void OnBtnCancel();
    void setDevFormat(QString DevName);
    void OnClickLosslessShow();
    void OnClickLosslessHidden();

protected:
    explicit FormatWidget(QWidget* parent = nullptr);
    ~FormatWidget() override;

    bool eventFilter(QObject* object, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void InitDlg();
    void InitBtn();
    void resetControlLocation();
    void addCategoryTabs(QPlistRead* reader, bool lossless);
    void retranslateCategoryTabs();
    void initQualityCombo();
    void afterPresetLoaded(bool found, const QString& id);
    void setCompact(bool compact);
    void fitTilesAbovePanel(int bottom);
    QString qualityText(int quality) const;

    QString m_formatCate;
    QString m_formatId;
    QString m_devFormat;
    QTextImageButton* m_currentCategoryBtn = nullptr;
    QList<QTextImageButton*> m_categoryBtns;
    QString m_formatCateLossless;
    QString m_formatIdLossless;
    bool m_bAttentionShown = false;
    QTextImageButton* m_currentCategoryLosslessBtn = nullptr;
    QList<QTextImageButton*> m_categoryLosslessBtns;
    int m_quality = VQ_HighQuality;
    bool m_bCompact = false;
    QPointer<QPropertyAnimation> m_settingAnimation;

    static FormatWidget* m_myself;
};
