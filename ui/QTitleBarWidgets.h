#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

// The pieces of the title bar: the window icon, the title and the caption buttons.

class QTitleBarIconWidget : public QWidget {
    Q_OBJECT

public:
    explicit QTitleBarIconWidget(QWidget* parent = nullptr);

signals:
    void doubleClicked();

public slots:
    void setPixmap(const QPixmap& pixmap);
    void setActive(bool active);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap pixmap_;
    bool active_ = true;
};

class QTitleBarTitleWidget : public QWidget {
    Q_OBJECT

public:
    explicit QTitleBarTitleWidget(QWidget* parent = nullptr);
    const QString& text() const { return text_; }
    void setFontPixels(int pixels);
    int fontPixels() const { return fontPixels_; }

signals:
    void clicked();
    void doubleClicked();

public slots:
    void setText(const QString& text);
    void setActive(bool active);
    void setTitleColor(const QColor& activeColor, const QColor& inactiveColor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString text_;
    bool active_ = true;
    int fontPixels_ = 12;
    QColor activeColor_{0x1F, 0x29, 0x37};
    QColor inactiveColor_{0x8A, 0x94, 0xA3};
};

// A caption button ("config", "pin", "minimize", "restore", "maximize", "close" in its "type" property): a colour
// and a picture per state, set by the skin through the properties below.
class QTitleBarCaptionButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor normalColor MEMBER normalColor_)
    Q_PROPERTY(QColor hoverColor MEMBER hoverColor_)
    Q_PROPERTY(QColor pressedColor MEMBER pressedColor_)
    Q_PROPERTY(QIcon inactiveIcon READ inactiveIcon WRITE setInactiveIcon)
    Q_PROPERTY(QIcon activeIcon READ activeIcon WRITE setActiveIcon)
    Q_PROPERTY(QIcon hoverIcon READ hoverIcon WRITE setHoverIcon)
    Q_PROPERTY(QIcon pressedIcon READ pressedIcon WRITE setPressedIcon)

public:
    QTitleBarCaptionButton(const QString& type, QWidget* parent = nullptr);

    QString type() const { return property("type").toString(); }
    // The pin button toggles: a press flips its pressed state, which is the stay-on-top state.
    void setToggles(bool toggles) { toggles_ = toggles; }
    void setTopMost(bool topMost);
    bool isPressed() const { return pressed_; }
    bool isHovered() const { return hover_; }
    bool isActive() const { return active_; }
    // What paintEvent draws now: the colour and the pixmap chosen by the state.
    QColor currentColor() const;
    const QPixmap& currentPixmap() const;

    QIcon inactiveIcon() const { return inactiveIcon_; }
    QIcon activeIcon() const { return activeIcon_; }
    QIcon hoverIcon() const { return hoverIcon_; }
    QIcon pressedIcon() const { return pressedIcon_; }
    void setInactiveIcon(const QIcon& icon);
    void setActiveIcon(const QIcon& icon);
    void setHoverIcon(const QIcon& icon);
    void setPressedIcon(const QIcon& icon);

signals:
    void clicked(bool pressed);

public slots:
    void updateAllPixmap();
    void updatePixmap(QPixmap& pixmap, QIcon& icon);
    void setActive(bool is_active);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor normalColor_{Qt::transparent};
    QColor hoverColor_{0xE3, 0xE8, 0xEF};
    QColor pressedColor_{0xCF, 0xD6, 0xE0};
    QIcon inactiveIcon_;
    QIcon activeIcon_;
    QIcon hoverIcon_;
    QIcon pressedIcon_;
    QPixmap inactivePixmap_;
    QPixmap activePixmap_;
    QPixmap hoverPixmap_;
    QPixmap pressedPixmap_;
    bool hover_ = false;
    bool pressed_ = false;
    bool toggles_ = false;
    bool active_ = true;
};
