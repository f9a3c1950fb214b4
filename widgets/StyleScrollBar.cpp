#include "StyleScrollBar.h"

StyleScrollBar::StyleScrollBar(QWidget* parent) : QScrollBar(parent)
{
    setStyleSheet(
        "QScrollBar:vertical{width:8px;background:rgba(0,0,0,0%);margin:0px,0px,0px,0px;padding-top:9px;"
        "padding-bottom:9px;}"
        "QScrollBar::handle:vertical{width:8px;background:rgba(80,80,80,100%); border-radius:4px;min-height:20;}"
        "QScrollBar::handle:vertical:hover{width:8px;background:rgba(104,104,104,100%); border-radius:4px;"
        "min-height:20;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:rgba(0,0,0,10%);"
        "border-radius:4px;}");
}

void StyleScrollBar::appendRule(const QString& rule, QString path)
{
    if (path.isEmpty())
        return;
    path.replace('\\', '/');
    setStyleSheet(styleSheet() + rule.arg(path));
}

void StyleScrollBar::setImageUpallow(QString normal, QString hover)
{
    appendRule("QScrollBar::sub-line:vertical{height:9px;width:8px;border-image:url(%1);subcontrol-position:top;}",
               normal);
    appendRule("QScrollBar::sub-line:vertical:hover{height:9px;width:8px;border-image:url(%1);"
               "subcontrol-position:top;}",
               hover);
}

void StyleScrollBar::setImageDownallow(QString normal, QString hover)
{
    appendRule("QScrollBar::add-line:vertical{height:9px;width:8px;border-image:url(%1);"
               "subcontrol-position:bottom;}",
               normal);
    appendRule("QScrollBar::add-line:vertical:hover{height:9px;width:8px;border-image:url(%1);"
               "subcontrol-position:bottom;}",
               hover);
}
