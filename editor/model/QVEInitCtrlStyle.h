#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QCheckboxCombobox;
class QLabel;
class QVelBaseButton;
class QVelBaseSlider;
class QVelButtonExtend;
class QVelCheckBox;
class QVelComboBox;
class QVelDoubleSpinBox;
class QVelLineEdit;
class QVelRadioButton;
class QVelScrollBar;
class QWidget;

// The one dark look of the editing forms: "Tahoma" at pixel sizes, light text on
// dark greys, and the skin pictures of the editing picture folder. Each operation
// only sets properties of the control it is given; calling it twice changes
// nothing more. All but the four marked "needs a control" accept null.
class QVEInitCtrlStyle
{
public:
    QVEInitCtrlStyle() = default;

    static void SetFont(QWidget* widget, int pixelSize);
    static void SetFontFamily(QWidget* widget, QString family, int pixelSize);
    static void SetPalette(QWidget* widget, QPalette::ColorRole role, QColor color);
    // Also resizes the label to the width of its text.
    static void SetLabel(QLabel* label, QString text, int pixelSize);
    static void SetLabel2(QLabel* label, QString text, int pixelSize);
    static void SetVelButton(QVelBaseButton* button, int width, int height);
    // Needs a control.
    static void SetVelButtonEx(QVelButtonExtend* button, int width, int height);
    static void SetQVelLineEdit(QVelLineEdit* edit);
    static void SetQVelSlider(QVelBaseSlider* slider);
    static void SetRadioButton(QVelRadioButton* button);
    static void SetCheckBox(QVelCheckBox* box);
    // Needs a control.
    static void SetQVelScrollBar(QVelScrollBar* bar);
    // Needs a control.
    static void SetQVelComboBox(QVelComboBox* combo);
    // Needs a control.
    static void SetQVelDoubleSpinBox(QVelDoubleSpinBox* spin);
    static void InitVelCheckCombox(QCheckboxCombobox* combo);

private:
    static QString picture(const char* name);
    static void setCheckPalette(QWidget* widget);
    static void setPopupColors(QVelComboBox* combo);
};
