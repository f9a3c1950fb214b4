#pragma once

#include <QUrl>
#include <QWebEnginePage>

// The advert view's page and its navigation policy. The main frame shows only
// the address the program loaded; a link the user clicks to another http or
// https address is reported through linkRequested and refused here, and any
// other navigation a page starts (scripts, forms, other schemes) is refused
// without opening anything.
class AdWebPage : public QWebEnginePage
{
    Q_OBJECT
    Q_DISABLE_COPY(AdWebPage)

public:
    explicit AdWebPage(QObject* parent = nullptr);
    ~AdWebPage() override;

    // The address the program is about to load into the main frame.
    void setAddress(const QUrl& url);
    QUrl address() const { return m_address; }

    static bool isWebScheme(const QUrl& url);
    // Whether a main-frame navigation was let through since the last call. The
    // web engine also reports refused navigations, and schemes it hands to the
    // desktop, as loads that start and fail; those are not loads of the view.
    bool takeAccepted();

signals:
    void linkRequested(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    bool isOwnAddress(const QUrl& url) const;

    QUrl m_address;
    bool m_accepted = false;
    bool m_loading = false;
};
