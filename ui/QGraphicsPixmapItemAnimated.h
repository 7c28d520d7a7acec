#pragma once

#include <QGraphicsPixmapItem>
#include <QObject>

// A picture item whose opacity, rotation and scale property animations can drive.
class QGraphicsPixmapItemAnimated : public QObject, public QGraphicsPixmapItem {
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)
    Q_PROPERTY(qreal rotation READ rotation WRITE setRotation)
    Q_PROPERTY(qreal scale READ scale WRITE setScale)

public:
    explicit QGraphicsPixmapItemAnimated(QGraphicsItem* parent = nullptr) : QGraphicsPixmapItem(parent) {}
};
