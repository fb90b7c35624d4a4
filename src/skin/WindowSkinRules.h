#pragma once

// Which top-level windows the skin manager skins, which skin component serves
// them, and the kinds of window the frame treats apart.

#include "TSkinComponent.h"

#include <QString>

#include <vector>

class QObject;
class QWidget;

namespace tessarin::skin {

// A widget's class name without its namespaces ("TDataGrid").
QString className(const QObject& object);

// The toolkit's own dialogs: message boxes and the standard input, file,
// colour, font, progress and error-message dialogs.
bool isStandardDialog(const QWidget& window);

// A dialog's frame, without an icon: a standard dialog, a tool window (the
// grid's find dialog), or a window that asks for the fixed dialog border.
bool hasDialogFrame(const QWidget& window);

// The form's "Tag" (the dynamic property of that name), 0 when it has none.
int tagOf(const QObject& object);

// Whether a window, not yet skinned, is one the skin takes: an ordinary or
// dialog top-level window (not a pop-up, tool tip or splash screen) of a
// size that is not empty, whose Tag is not 99, which is not a preview window
// unless the component allows those, and whose component has a skin.
bool windowQualifies(const QWidget& window, const TSkinComponent& component);

// The component that skins a window: for a standard dialog the first
// registered dialog component, else the first main-form component, else the
// first of all; for any other window the first registered. Nothing when none
// is registered.
TSkinComponent* componentFor(const QWidget& window, const std::vector<TSkinComponent*>& registered);

} // namespace tessarin::skin
