#pragma once

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QObject>
#include <QtGlobal>

#include <memory>

// A widget (or layout) of a form by its object name, found as a user's tools and screen readers find it, without
// reaching into the form's generated class: among the parent's children, and in the widgets that its graphics views
// show (a form placed in a scene is no child of the widget that placed it). A name that is not there, or not of that
// type, ends the test run at once: a renamed widget must not pass as a null that nothing checks.
template <class T> T* Child(const QObject* parent, const char* name) {
    T* child = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
    if (parent && !child)
        for (const QGraphicsView* view : parent->findChildren<QGraphicsView*>())
            for (QGraphicsItem* item : view->scene() ? view->scene()->items() : QList<QGraphicsItem*>())
                if (auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(item); proxy && proxy->widget() && !child)
                    child = proxy->widget()->objectName() == QLatin1String(name)
                                ? qobject_cast<T*>(proxy->widget())
                                : proxy->widget()->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("No %s named \"%s\" under %s", T::staticMetaObject.className(), name,
               parent ? parent->metaObject()->className() : "nothing");
    return child;
}

template <class T, class Owner> T* Child(const std::unique_ptr<Owner>& parent, const char* name) {
    return Child<T>(parent.get(), name);
}
