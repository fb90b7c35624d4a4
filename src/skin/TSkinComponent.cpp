#include "TSkinComponent.h"

#include "ClassKindMap.h"
#include "PlatformMetrics.h"
#include "SkinArchive.h"
#include "SkinReader.h"
#include "SkinStreamProperty.h"
#include "SkinUnpacker.h"

#include <QFile>

#include <exception>

namespace tessarin::skin {
namespace {

TSkinControls defaultSkinControls() {
    TSkinControls controls = TSkinControls::all();
    controls.remove(TSkinControlKind::xcMenuItem);
    controls.remove(TSkinControlKind::xcReport);
    return controls;
}

std::span<const std::uint8_t> bytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

std::unique_ptr<SkinData> skinFromPacked(std::span<const std::uint8_t> packed) {
    const SkinArchive archive(unpackSkin(packed));
    return std::make_unique<SkinData>(readSkin(archive, horizontalScrollArrowWidth()));
}

} // namespace

TSkinComponent::TSkinComponent(QObject* owner)
    : QObject(owner), skinControls_(defaultSkinControls()),
      options_{TSkinOption::xoPreview, TSkinOption::xoToolbarBK, TSkinOption::xoCaptionButtonHint},
      classKindMap_(defaultClassKindMap()) {}

TSkinComponent::~TSkinComponent() = default;

void TSkinComponent::setActive(bool active) {
    if (active_ == active)
        return;
    active_ = active;
    emit activeChanged(active);
}

std::optional<QString> TSkinComponent::classKind(const QString& className) const {
    return classKindIn(classKindMap_, className);
}

QString TSkinComponent::skinStore() const {
    return skinStream_.isEmpty() ? QStringLiteral("(none)") : QStringLiteral("(Good)");
}

QString TSkinComponent::version() const { return QStringLiteral("Tessarin skin 1.0"); }

void TSkinComponent::setSkinStream(std::span<const std::uint8_t> property) {
    skinStream_ = QByteArray(reinterpret_cast<const char*>(property.data()), static_cast<qsizetype>(property.size()));
    replaceSkin([this]() -> std::unique_ptr<SkinData> {
        const auto packed = packedSkinOf(bytesOf(skinStream_));
        return packed ? skinFromPacked(*packed) : nullptr;
    });
}

void TSkinComponent::setSkinFile(const QString& file) {
    skinFile_ = file;
    QFile skinFile(file);
    if (file.isEmpty() || !skinFile.open(QIODevice::ReadOnly))
        return;
    const QByteArray packed = skinFile.readAll();
    replaceSkin([&] { return skinFromPacked(bytesOf(packed)); });
    emit skinChanged();
}

void TSkinComponent::replaceSkin(const std::function<std::unique_ptr<SkinData>()>& read) {
    try {
        skin_ = read();
        failure_.clear();
    } catch (const std::exception& error) {
        skin_.reset();
        failure_ = QString::fromUtf8(error.what());
    }
}

void TSkinComponent::finishLoading() {
    if (skinControls_.contains(TSkinControlKind::xcMainMenu))
        skinControls_.remove(TSkinControlKind::xcMenuItem);
    else
        skinControls_.remove(TSkinControlKind::xcSystemMenu);
    // Scroll-bar geometry is always at hand here, so xcScrollbar stays.
    if (!hasSkin())
        setActive(false);
}

} // namespace tessarin::skin
