#include "ControlSkinRules.h"

#include "WindowSkinRules.h"
#include "grid/TDataGrid.h"
#include "widgets/TPanel.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <array>
#include <utility>

namespace tessarin::skin {
namespace {

using enum TSkinControlKind;

// The kinds of ClassKindMap this system has skins for, and the SkinControls
// entry each needs. The other kinds the list may name stay unskinned.
constexpr std::array<std::pair<const char*, std::pair<ControlSkinKind, TSkinControlKind>>, 5> mappedKinds{{
    {"button", {ControlSkinKind::Button, xcButton}},
    {"edit", {ControlSkinKind::Edit, xcEdit}},
    {"combobox", {ControlSkinKind::ComboBox, xcCombo}},
    {"checkbox", {ControlSkinKind::CheckBox, xcCheckBox}},
    {"panel", {ControlSkinKind::Box, xcPanel}},
}};

ControlSkinKind mappedKind(const QString& kind, const TSkinComponent& component) {
    for (const auto& [name, entry] : mappedKinds) {
        if (kind == QLatin1String(name))
            return component.skinControls().contains(entry.second) ? entry.first : ControlSkinKind::None;
    }
    return ControlSkinKind::None;
}

bool isPartOfAnotherControl(const QLineEdit& edit) {
    const QWidget* parent = edit.parentWidget();
    return qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent);
}

ControlSkinKind ifSkinned(ControlSkinKind kind, TSkinControlKind entry, const TSkinComponent& component) {
    return component.skinControls().contains(entry) ? kind : ControlSkinKind::None;
}

} // namespace

ControlSkinKind controlSkinKind(const QWidget& control, const TSkinComponent& component) {
    if (tagOf(control) == component.disableTag())
        return ControlSkinKind::None;
    const QString name = className(control);
    if (const auto kind = component.classKind(name))
        return mappedKind(*kind, component);
    if (name.toUpper() == QLatin1String("TDATACOMBOBOX") || qobject_cast<const QScrollBar*>(&control))
        return ControlSkinKind::None;
    if (qobject_cast<const QComboBox*>(&control))
        return ifSkinned(ControlSkinKind::ComboBox, xcCombo, component);
    if (qobject_cast<const widgets::TPanel*>(&control))
        return ifSkinned(ControlSkinKind::Box, xcPanel, component);
    if (qobject_cast<const grid::TDataGrid*>(&control) || qobject_cast<const QAbstractItemView*>(&control))
        return ifSkinned(ControlSkinKind::ScrollBars, xcScrollbar, component);
    if (qobject_cast<const QPushButton*>(&control))
        return ifSkinned(ControlSkinKind::Button, xcButton, component);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control); edit && !isPartOfAnotherControl(*edit))
        return ifSkinned(ControlSkinKind::Edit, xcEdit, component);
    return ControlSkinKind::None;
}

} // namespace tessarin::skin
