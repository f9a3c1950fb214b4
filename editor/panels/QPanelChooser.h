#pragma once

#include <QColor>
#include <QColorDialog>
#include <QFont>
#include <QString>

#include <functional>

class QWidget;

// Where the panels ask the user for a font, a colour or a file, and warn. The program
// runs the standard Qt dialogs; a test installs its own answer instead, since a
// modal dialog would stop it. An empty function restores the standard dialog.
class QPanelChooser
{
public:
    using FontFn = std::function<QFont(bool* ok, const QFont& initial, QWidget* parent)>;
    using ColorFn = std::function<QColor(const QColor& initial, QWidget* parent,
                                         QColorDialog::ColorDialogOptions options)>;
    using FileFn = std::function<QString(QWidget* parent, const QString& caption,
                                         const QString& dir, const QString& filter)>;

    static QFont getFont(bool* ok, const QFont& initial, QWidget* parent);
    static QColor getColor(const QColor& initial, QWidget* parent, QColorDialog::ColorDialogOptions options);
    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                   const QString& filter);

    // A warning the user confirms; tests record it instead.
    using MessageFn = std::function<void(QWidget* parent, const QString& message)>;
    static void showWarning(QWidget* parent, const QString& message);
    static void setMessageHandler(MessageFn fn);

    static void setFontChooser(FontFn fn);
    static void setColorChooser(ColorFn fn);
    static void setFileChooser(FileFn fn);
};
