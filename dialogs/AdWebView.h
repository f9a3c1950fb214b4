#pragma once

#include <QUrl>
#include <QWidget>

class AdWebPage;
class QWebEngineView;

// The web view of the advert dialog: loads one address and reports the start,
// the progress in percent and the end of each load; navigations the page's
// policy refused are not loads of the view and are not reported. A link the
// user clicks to another web address comes out as linkRequested instead.
class AdWebView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(AdWebView)

public:
    explicit AdWebView(QWidget* parent = nullptr);
    ~AdWebView() override;

    void load(QUrl const& url);
    QUrl address() const;
    QWebEngineView* view() const { return m_view; }
    AdWebPage* page() const { return m_page; }

signals:
    void loadStarted();
    void loadFinished(bool ok);
    void loadProgress(int percent);
    void linkRequested(QUrl const& url);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnPageLoadStarted();
    void OnPageLoadProgress(int percent);
    void OnPageLoadFinished(bool ok);

    QWebEngineView* m_view = nullptr;
    AdWebPage* m_page = nullptr;
    bool m_bForeignLoad = false;
};
