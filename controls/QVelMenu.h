#pragma once

#include <QMenu>

class QVelMenuStyle;
class QVelMenuStyleAttribute;

// Frameless, translucent pop-up menu drawn by its own style.
class QVelMenu : public QMenu
{
    Q_OBJECT

public:
    explicit QVelMenu(QWidget* parent = nullptr);
    QVelMenu(const QString& title, QWidget* parent = nullptr);
    ~QVelMenu() override;

    QAction* addMenu(QVelMenu* menu);
    QVelMenu* addMenu(const QString& title);
    QVelMenu* addMenu(const QIcon& icon, const QString& title);

    void setStyleAttribute(QVelMenuStyleAttribute* attribute);
    QVelMenuStyleAttribute* styleAttribute() const;
    QVelMenuStyle* menuStyle() const;

    void setBackgroundImage(QString path, bool unused = false);
    void setFrameWidth(int width);
    void setFrameColor(QColor color);
    void setAreaColor(QColor color);
    void setItemColor(QColor color);
    void setItemTextColor(QColor color);
    void setItemSelectColor(QColor color);
    void setItemTextSelectColor(QColor color);
    void setItemEabledColor(QColor color);
    void setItemTextEabledColor(QColor color);
    void setSeparatorColor(QColor color);
    void setRadioImage(QString path);
    void setCheckStateImage(QString checked, QString unchecked);
    void setItemWidth(int width);
    void setItemHeight(int height);

protected:
    bool event(QEvent* event) override;

private:
    Q_DISABLE_COPY(QVelMenu)
    void init();
    QVelMenuStyle* m_style = nullptr;
};
