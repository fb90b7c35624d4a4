#pragma once

#include "SkinData.h"
#include "SkinSettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace tessarin::skin {

// The skin component a window carries (the main window's skin1): its
// settings, and the skin it holds, read at once from its SkinStream property
// or from a skin file.
//
// Each accessor pair is the design property of the same name (Active,
// DisableTag, SkinControls, Options, ClassKindMap, SkinFile, SkinStore,
// SkinFormKind, Version, MenuUpdate, MenuMerge, SkinStream), with the
// property's default. A skin that cannot be read leaves the component without
// a skin; failure() then says why, in the words the user is to read (for an
// unsupported archive version, the two-line message the window shows).
class TSkinComponent : public QObject {
    Q_OBJECT

public:
    explicit TSkinComponent(QObject* owner = nullptr);
    ~TSkinComponent() override;

    bool active() const { return active_; }
    void setActive(bool active);
    int disableTag() const { return disableTag_; }
    void setDisableTag(int tag) { disableTag_ = tag; }
    TSkinControls skinControls() const { return skinControls_; }
    void setSkinControls(TSkinControls controls) { skinControls_ = controls; }
    TSkinOptions options() const { return options_; }
    void setOptions(TSkinOptions options) { options_ = options; }
    const QStringList& classKindMap() const { return classKindMap_; }
    void setClassKindMap(QStringList map) { classKindMap_ = std::move(map); }
    // The kind ClassKindMap gives a control class, if it names the class.
    std::optional<QString> classKind(const QString& className) const;
    TSkinFormKind skinFormKind() const { return skinFormKind_; }
    void setSkinFormKind(TSkinFormKind kind) { skinFormKind_ = kind; }
    bool menuUpdate() const { return menuUpdate_; }
    void setMenuUpdate(bool update) { menuUpdate_ = update; }
    bool menuMerge() const { return menuMerge_; }
    void setMenuMerge(bool merge) { menuMerge_ = merge; }
    // Display-only: "(Good)" while a skin is stored, else "(none)".
    QString skinStore() const;
    // Display-only.
    QString version() const;

    // The SkinStream form property as stored: a 32-bit byte count, then the
    // packed skin. Setting it keeps the bytes (they are written back as they
    // are) and reads the skin from them.
    const QByteArray& skinStream() const { return skinStream_; }
    void setSkinStream(std::span<const std::uint8_t> property);

    // Setting the name of an existing packed skin file (unpacked size, then
    // the packed bits) reads that skin in place of the stored one and tells
    // skinChanged(); a name of no file changes nothing else.
    const QString& skinFile() const { return skinFile_; }
    void setSkinFile(const QString& file);

    bool hasSkin() const { return skin_ != nullptr; }
    const SkinData* skin() const { return skin_.get(); }
    const QString& failure() const { return failure_; }

    // The window holding the component has finished loading: the control
    // kinds are adjusted (menu items are not skinned separately where main
    // menus are, otherwise system menus are not), and without a skin the
    // component is not active.
    void finishLoading();

signals:
    void activeChanged(bool active);
    void skinChanged();

private:
    // Takes the skin `read` gives (none for null); a failure leaves no skin.
    void replaceSkin(const std::function<std::unique_ptr<SkinData>()>& read);

    bool active_ = false;
    int disableTag_ = 99;
    TSkinControls skinControls_;
    TSkinOptions options_;
    QStringList classKindMap_;
    QString skinFile_;
    TSkinFormKind skinFormKind_ = TSkinFormKind::sfMainform;
    bool menuUpdate_ = true;
    bool menuMerge_ = false;
    QByteArray skinStream_;
    std::unique_ptr<SkinData> skin_;
    QString failure_;
};

} // namespace tessarin::skin
