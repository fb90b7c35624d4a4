#include "SkinData.h"

#include <algorithm>

namespace tessarin::skin {

TSkinElement* SkinData::element(const QString& name) {
    const auto found = std::find_if(elements_.begin(), elements_.end(), [&](const auto& element) {
        return element->name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == elements_.end() ? nullptr : found->get();
}

const TSkinElement* SkinData::element(const QString& name) const {
    return const_cast<SkinData*>(this)->element(name);
}

TSkinElement& SkinData::addElement(std::unique_ptr<TSkinElement> element) {
    elements_.push_back(std::move(element));
    return *elements_.back();
}

const TSkinElement* SkinData::border(BorderSide side) const {
    const auto& border = borders[static_cast<int>(side)];
    return border ? &*border : nullptr;
}

FrameSizes SkinData::frameSizes() const {
    std::array<BorderImage, 4> images;
    for (BorderSide side : borderSides) {
        if (const TSkinElement* element = border(side))
            images[static_cast<int>(side)] = {element->image.width(), element->image.height(), element->frameCount};
    }
    return frameSizesOf(images);
}

} // namespace tessarin::skin
