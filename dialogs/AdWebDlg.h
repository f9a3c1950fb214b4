#pragma once

#include "QNinePointsImageDialog.h"
#include "ui_AdWebDlg.h"

#include <QUrl>

class AdWebView;
class QTimer;

// Shows the advert web page in a small frameless dialog: a thin progress bar
// while it loads, the local fallback page when it fails, and the close button
// enabled at the end of a load or after about 21 seconds at the latest. Links
// the user clicks to other web addresses open in the browser.
class AdWebDlg : public QNinePointsImageDialog, public Ui::AdWebDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(AdWebDlg)

public:
    explicit AdWebDlg(QWidget* parent = nullptr);
    ~AdWebDlg() override;

    static QUrl advertAddress();
    static QUrl fallbackAddress();
    // The local page in the language of that type, English where it has none.
    static QString fallbackPageFor(const QString& folder, int languageType);
    // The two pages, before the dialog is shown.
    void setAddresses(const QUrl& advert, const QUrl& fallback);

    void loadWeb();
    void loadLocalWeb();
    void loadWebSet(bool loading);
    AdWebView* webView() const { return m_webView; }
    bool isLoadFinished() const { return m_bFinished; }

public slots:
    void linkClicked(QUrl const& url);
    void UrlLoadStart();
    void UrlLoadFinish(bool ok);
    void UrlLoadProgress(int percent);
    void LoadTimer();
    void OnLoadOverTime();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ctrlLocation();
    void setCloseEnabled(bool on);

    AdWebView* m_webView = nullptr;
    QTimer* m_loadTimer = nullptr;
    QTimer* m_overTimer = nullptr;
    QUrl m_advert;
    QUrl m_fallback;
    int m_nTicks = 0;
    bool m_bShown = false;
    bool m_bFinished = false;
    bool m_bOnFallback = false;
};
