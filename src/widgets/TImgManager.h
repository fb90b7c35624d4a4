#pragma once

#include <QImage>
#include <QObject>

#include <array>

namespace tessarin::widgets {

// The five pictures of an image control, in the order of the manager's
// properties.
enum class ImgRole { Normal, Check, Enter, Down, Disable };
inline constexpr std::size_t imgRoleCount = 5;

// Five pictures, one per role; assigning one copies it.
class ImgSet {
public:
    const QImage& picture(ImgRole role) const { return pictures_[index(role)]; }
    void setPicture(ImgRole role, const QImage& picture) { pictures_[index(role)] = picture; }

private:
    static std::size_t index(ImgRole role) { return static_cast<std::size_t>(role); }

    std::array<QImage, imgRoleCount> pictures_;
};

// A shared set of the five pictures of image controls (non-visual). Controls
// that refer to a manager take each of its pictures that holds an image
// whenever they paint.
class TImgManager : public QObject {
    Q_OBJECT

public:
    explicit TImgManager(QObject* parent = nullptr);

    const ImgSet& pictures() const noexcept { return pictures_; }

    const QImage& ImgNormal() const { return pictures_.picture(ImgRole::Normal); }
    const QImage& ImgCheck() const { return pictures_.picture(ImgRole::Check); }
    const QImage& ImgEnter() const { return pictures_.picture(ImgRole::Enter); }
    const QImage& ImgDown() const { return pictures_.picture(ImgRole::Down); }
    const QImage& ImgDisable() const { return pictures_.picture(ImgRole::Disable); }

    void setImgNormal(const QImage& picture) { pictures_.setPicture(ImgRole::Normal, picture); }
    void setImgCheck(const QImage& picture) { pictures_.setPicture(ImgRole::Check, picture); }
    void setImgEnter(const QImage& picture) { pictures_.setPicture(ImgRole::Enter, picture); }
    void setImgDown(const QImage& picture) { pictures_.setPicture(ImgRole::Down, picture); }
    void setImgDisable(const QImage& picture) { pictures_.setPicture(ImgRole::Disable, picture); }

private:
    ImgSet pictures_;
};

} // namespace tessarin::widgets
