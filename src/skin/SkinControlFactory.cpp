#include "SkinControlFactory.h"

#include "ControlSkinRules.h"
#include "TSkinBox.h"
#include "TSkinButton.h"
#include "TSkinCheckBox.h"
#include "TSkinComboBox.h"
#include "TSkinEdit.h"
#include "TSkinScrollBars.h"
#include "widgets/TPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tessarin::skin {
namespace {

// The widget as the class a rule found, or null when it is not one (a class
// named in ClassKindMap may be of another kind than the list says).
template <typename Widget>
Widget* as(QWidget& control) {
    return qobject_cast<Widget*>(&control);
}

TSkinControl* createSkin(QWidget& control, ControlSkinKind kind, const TSkinComponent& component) {
    switch (kind) {
    case ControlSkinKind::Button:
        if (auto* button = as<QPushButton>(control))
            return new TSkinButton(*button, component);
        break;
    case ControlSkinKind::Edit:
        if (auto* edit = as<QLineEdit>(control))
            return new TSkinEdit(*edit, component);
        break;
    case ControlSkinKind::ComboBox:
        if (auto* box = as<QComboBox>(control))
            return new TSkinComboBox(*box, component);
        break;
    case ControlSkinKind::CheckBox:
        if (auto* box = as<QCheckBox>(control))
            return new TSkinCheckBox(*box, component);
        break;
    case ControlSkinKind::Box:
        if (auto* panel = as<widgets::TPanel>(control))
            return new TSkinBox(*panel, component);
        break;
    case ControlSkinKind::ScrollBars:
        if (auto bars = scrollBarsOf(control); !bars.empty())
            return new TSkinScrollBars(control, std::move(bars), component);
        break;
    case ControlSkinKind::None:
        break;
    }
    return nullptr;
}

} // namespace

TSkinControl* attachControlSkin(QWidget& control, const TSkinComponent& component) {
    if (TSkinControl::of(control))
        return nullptr;
    TSkinControl* skin = createSkin(control, controlSkinKind(control, component), component);
    if (skin)
        skin->attach();
    return skin;
}

} // namespace tessarin::skin
