#pragma once

namespace Orv::Ui {
// Registers the toolkit's pictures (caption buttons, wait rings), compiled into its static library; idempotent.
void InitToolkitResources();
} // namespace Orv::Ui
