#include "QPreviewTranslator.h"

QString QPreviewTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                      int n) const
{
    const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    return text.isEmpty() ? QString::fromUtf8(sourceText) : text;
}
