#pragma once

#include <QTranslator>

// A translator for previewing a language in one dialog: a text its file leaves
// untranslated reads as the English source, so the program's own translator,
// installed earlier, cannot show through (as it would for English, whose file
// translates nothing).
class QPreviewTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};
