#pragma once

#include "library_Orv/Qt/SkinManager.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace Orv {

// Keeps widgets that live in a graphics scene in the style of an owner widget: a widget inside a scene no longer
// inherits the style sheets of its former ancestors. It is in the skins' registry, so that it is applied again with
// the skin.
class QtStylesheetFollower : public QtStylesheetSkinRegisteredWidget {
public:
    explicit QtStylesheetFollower(QWidget* owner);

    // Transparent background, the owner's style sheet; each widget once.
    void Register(QWidget* widget);
    // Computes the owner's chain of style sheets once, gives it to the widgets, and polishes them again.
    void Apply() override;
    const QString& StyleSheet() const { return styleSheet_; }
    int Count() const { return widgets_.size(); }

private:
    QList<QPointer<QWidget>> widgets_;
    QPointer<QWidget> owner_;
    QString styleSheet_;
};

} // namespace Orv
