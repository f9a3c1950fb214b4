#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <memory>

// A plain widget holding a caption font and colours for its subclasses.
class QCommonWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QCommonWidget(QWidget* parent = nullptr);
    ~QCommonWidget() override;

    void setPixelSize(int size);
    void setFamily(QString family);
    void setFont(const QFont& font);
    void setTextColor(QColor color);
    void setDisColor(QColor color);

protected:
    QString m_fontFamily = QStringLiteral("Tahoma");
    QColor m_textColor = Qt::black;
    QColor m_disColor = Qt::black;
    int m_pixelSize = 12;
    std::unique_ptr<QFont> m_commonFont;

private:
    Q_DISABLE_COPY(QCommonWidget)
};
