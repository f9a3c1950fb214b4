#pragma once

#include "QTextImageButton.h"

// A text picture button with a count badge in its top-right corner.
class QImageButtonEx : public QTextImageButton
{
    Q_OBJECT

public:
    explicit QImageButtonEx(QWidget* parent = nullptr);

    void resetCount();
    int count() const { return m_count; }
    // The badge text and its pixel size for a count above 0.
    static QString badgeText(int count, int* pixelSize);

public slots:
    void addItemCount();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QImageButtonEx)
    int m_count = 0;
};
