#pragma once
// Collects the warnings of one logging category while in scope, so a test can
// read what the log of a run says.

#include <QLoggingCategory>
#include <QStringList>

#include <mutex>

class LogCapture
{
public:
    explicit LogCapture(const char *category) : m_category(category)
    {
        std::lock_guard<std::mutex> lock(mutex());
        active() = this;
        m_previous = qInstallMessageHandler(&LogCapture::handler);
    }
    ~LogCapture()
    {
        std::lock_guard<std::mutex> lock(mutex());
        qInstallMessageHandler(m_previous);
        active() = nullptr;
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList warnings() const
    {
        std::lock_guard<std::mutex> lock(mutex());
        return m_warnings;
    }

private:
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    static LogCapture *&active()
    {
        static LogCapture *current = nullptr;
        return current;
    }
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        QtMessageHandler previous = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex());
            LogCapture *self = active();
            if (!self)
                return;
            previous = self->m_previous;
            if (type == QtWarningMsg && context.category && self->m_category == context.category)
                self->m_warnings << text;
        }
        if (previous)
            previous(type, context, text);
    }

    QByteArray m_category;
    QtMessageHandler m_previous = nullptr;
    QStringList m_warnings;
};
