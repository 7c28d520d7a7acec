#include "QtStylesheetFollower.h"

#include <QStyle>

namespace Orv {

QtStylesheetFollower::QtStylesheetFollower(QWidget* owner)
    : QtStylesheetSkinRegisteredWidget(owner, QString(), true), owner_(owner) {}

void QtStylesheetFollower::Register(QWidget* widget) {
    if (!widget)
        return;
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->setAttribute(Qt::WA_TranslucentBackground);
    widget->setStyleSheet(styleSheet_);
    if (!widgets_.contains(widget))
        widgets_.append(widget);
}

void QtStylesheetFollower::Apply() {
    bool computed = false;
    if (styleSheet_.isEmpty() && owner_) {
        // From the outermost ancestor down to the owner, as the owner itself sees them.
        QStringList sheets;
        for (QWidget* widget = owner_; widget; widget = widget->parentWidget())
            sheets.prepend(widget->styleSheet());
        styleSheet_ = sheets.join(QLatin1Char('\n'));
        computed = true;
    }
    for (const QPointer<QWidget>& widget : widgets_) {
        if (!widget)
            continue;
        if (computed)
            widget->setStyleSheet(styleSheet_);
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
}

} // namespace Orv
