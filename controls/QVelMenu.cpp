#include "QVelMenu.h"

#include "QVelMenuStyle.h"

#include <QFile>

QVelMenu::QVelMenu(QWidget* parent) : QMenu(parent)
{
    init();
}

QVelMenu::QVelMenu(const QString& title, QWidget* parent) : QMenu(title, parent)
{
    init();
}

QVelMenu::~QVelMenu()
{
    setStyle(nullptr);
    delete m_style;
}

void QVelMenu::init()
{
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_style = new QVelMenuStyle;
    setStyle(m_style);
}

QAction* QVelMenu::addMenu(QVelMenu* menu)
{
    return QMenu::addMenu(menu);
}

QVelMenu* QVelMenu::addMenu(const QString& title)
{
    auto* menu = new QVelMenu(title, this);
    QMenu::addAction(menu->menuAction());
    return menu;
}

QVelMenu* QVelMenu::addMenu(const QIcon& icon, const QString& title)
{
    auto* menu = new QVelMenu(title, this);
    menu->setIcon(icon);
    QMenu::addAction(menu->menuAction());
    return menu;
}

void QVelMenu::setStyleAttribute(QVelMenuStyleAttribute* attribute)
{
    if (attribute)
        *m_style->attribute() = *attribute;
}

QVelMenuStyleAttribute* QVelMenu::styleAttribute() const { return m_style->attribute(); }
QVelMenuStyle* QVelMenu::menuStyle() const { return m_style; }

void QVelMenu::setBackgroundImage(QString path, bool)
{
    m_style->attribute()->backgroundImage = QImage(path);
    update();
}

void QVelMenu::setFrameWidth(int width) { m_style->attribute()->frameWidth = width; }
void QVelMenu::setFrameColor(QColor color) { m_style->attribute()->frameColor = color; }
void QVelMenu::setAreaColor(QColor color) { m_style->attribute()->areaColor = color; }
void QVelMenu::setItemColor(QColor color) { m_style->attribute()->itemColor = color; }
void QVelMenu::setItemTextColor(QColor color) { m_style->attribute()->itemTextColor = color; }
void QVelMenu::setItemSelectColor(QColor color) { m_style->attribute()->itemSelectColor = color; }
void QVelMenu::setItemTextSelectColor(QColor color) { m_style->attribute()->itemTextSelectColor = color; }
void QVelMenu::setItemEabledColor(QColor color) { m_style->attribute()->itemDisabledColor = color; }
void QVelMenu::setItemTextEabledColor(QColor color) { m_style->attribute()->itemTextDisabledColor = color; }
void QVelMenu::setSeparatorColor(QColor color) { m_style->attribute()->separatorColor = color; }

namespace {

QImage markImage(const QString& path)
{
    if (!QFile::exists(path))
        return QImage();
    QImage image(path);
    image.setDevicePixelRatio(2.0);
    return image;
}

} // namespace

void QVelMenu::setRadioImage(QString path) { m_style->attribute()->radioImage = markImage(path); }

void QVelMenu::setCheckStateImage(QString checked, QString unchecked)
{
    m_style->attribute()->checkedImage = markImage(checked);
    m_style->attribute()->uncheckedImage = markImage(unchecked);
}

void QVelMenu::setItemWidth(int width) { m_style->attribute()->itemWidth = width; }
void QVelMenu::setItemHeight(int height) { m_style->attribute()->itemHeight = height; }

bool QVelMenu::event(QEvent* event)
{
    return QWidget::event(event);
}
