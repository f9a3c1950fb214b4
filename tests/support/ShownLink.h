#pragma once
// What a rich-text label with one link shows: the visible text, and the target
// and colour of the character in its middle. A markup slip (an unquoted address
// ending in "/") closes the anchor early and leaves the text unlinked and
// uncoloured, which only the laid-out document shows.

#include <QColor>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

struct ShownLink
{
    QString text;
    QString href;
    QColor colour;
};

inline ShownLink shownLink(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    const QString plain = document.toPlainText();
    ShownLink link;
    link.text = plain.trimmed();
    QTextCursor cursor(&document);
    cursor.setPosition(plain.indexOf(link.text) + link.text.size() / 2);
    link.href = cursor.charFormat().anchorHref();
    link.colour = cursor.charFormat().foreground().color();
    return link;
}
