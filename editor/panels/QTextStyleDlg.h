#pragma once

#include "QTextStyle.h"
#include "QVelDialog.h"
#include "ui_QTextStyleDlg.h"

class QVideoEditingSettings;

// The form and rules the subtitle style dialog and the watermark text style
// dialog share. Every confirmed choice is written to the editing model at
// once, so OK and Cancel only close the dialog.
class QTextStyleDlg : public QVelDialog, public Ui::QTextStyleDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QTextStyleDlg)

public:
    ~QTextStyleDlg() override;

    void setEditSettings(QVideoEditingSettings* settings);
    void loadingSetting();

public slots:
    void onFont();
    void onColor();
    void valueChanged(double value);
    void onReset();

protected:
    // gap: between a caption and its control; buttonWidth: of OK and Cancel.
    QTextStyleDlg(QWidget* parent, int gap, int buttonWidth);

    virtual QTextStyle readStyle() const = 0;
    virtual void writeStyle(const QTextStyle& style) = 0;
    QVideoEditingSettings* editSettings() const { return m_settings; }
    // Texts set in code belong to the concrete dialog's translation context.
    QString trText(const char* text) const;
    // Run by the concrete dialog's constructor, once its context is known.
    void setTexts();

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void showFamily(const QString& family);

    bool m_loaded = false;
    QVideoEditingSettings* m_settings = nullptr;
    int m_gap;
};
