#pragma once

#include <QScrollBar>

// A thin rounded vertical scroll bar styled by a style sheet, with optional arrow
// pictures.
class StyleScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit StyleScrollBar(QWidget* parent = nullptr);

    void setImageUpallow(QString normal, QString hover);
    void setImageDownallow(QString normal, QString hover);

private:
    Q_DISABLE_COPY(StyleScrollBar)
    void appendRule(const QString& rule, QString path);
};
