#pragma once

#include "ui_ConvertWidget.h"

#include <QWidget>

// The Convert page of the preferences: the output folder with Change and Reset,
// and turning the computer off once a conversion has completed. On OK the page
// stores the shut-down flag and hands the folder to QConverterOperate; the main
// window writes the folder setting after the dialog has closed.
class ConvertWidget : public QWidget, public Ui::ConvertWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConvertWidget)

public:
    explicit ConvertWidget(QWidget* parent = nullptr);
    ~ConvertWidget() override;

    void saveSetting();
    void retranslateUi();
    void SetOutPath(QString path);
    QString outPath() const { return m_strOutPath; }
    static QString defaultOutPath();

public slots:
    void OnChangePath();
    void OnResetPath();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void InitCtrl();
    void InitBtn();
    void initPath();
    bool isUsableOutPath(const QString& path);

    QString m_strOutPath;
};
