#include "QCommonWidget.h"

QCommonWidget::QCommonWidget(QWidget* parent) : QWidget(parent) {}
QCommonWidget::~QCommonWidget() = default;

void QCommonWidget::setPixelSize(int size) { m_pixelSize = size; }
void QCommonWidget::setFamily(QString family) { m_fontFamily = family; }
void QCommonWidget::setFont(const QFont& font) { m_commonFont = std::make_unique<QFont>(font); }

void QCommonWidget::setTextColor(QColor color)
{
    m_textColor = color;
    m_disColor = color;
}

void QCommonWidget::setDisColor(QColor color) { m_disColor = color; }
