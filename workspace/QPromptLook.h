#pragma once
// The look the workspace's small prompts share (the close prompt and the note
// after an edit in the lossless mode): one place, so they cannot drift apart.

#include <QColor>
#include <QFont>
#include <QString>

class QCheckButton;
class QNinePointsImageDialog;
class QTextImageButton;

class QPromptLook
{
public:
    // Background, close button and the OK button at the bottom right (Cancel
    // stays hidden), each wired to end the dialog. The texts come translated
    // in the prompt's own context.
    static void dress(QNinePointsImageDialog* dialog, int width, QTextImageButton* ok, const QString& okText,
                      QTextImageButton* cancel, const QString& cancelText);
    // A "don't show this window again" box.
    static void dressNote(QCheckButton* box);
    // Font and colour of a prompt's option and note texts.
    static void dressChoice(QCheckButton* box);
    static QFont textFont();
    static QColor textColour();
};
