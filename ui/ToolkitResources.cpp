#include "ToolkitResources.h"

#include <QtGlobal>

static void InitToolkitQrc() {
    Q_INIT_RESOURCE(toolkit);
}

namespace Orv::Ui {
void InitToolkitResources() {
    static const bool done = (InitToolkitQrc(), true);
    (void)done;
}
} // namespace Orv::Ui
