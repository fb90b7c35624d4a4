#pragma once

#include <QColor>

#include <cstdint>

namespace tessarin::widgets {

// The desktop's named system colours, numbered as the platform numbers them.
enum class SystemColor : std::uint8_t {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkSpace = 12,
    Highlight = 13,
    HighlightText = 14,
    BtnFace = 15,
    BtnShadow = 16,
    GrayText = 17,
    BtnText = 18,
    InactiveCaptionText = 19,
    BtnHighlight = 20,
    DkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBk = 24,
};

// The classic desktop value of a system colour.
QColor classicSystemColor(SystemColor color);

// A colour as the window definitions give it: either a 24-bit value with red
// in the low byte (red + 256 × green + 65536 × blue) or a named system colour.
// A system colour stays itself: clBtnFace never equals clSilver, whatever the
// two look like, so comparisons behave as the definitions expect.
class TColor {
public:
    constexpr TColor() = default; // black

    // 15115410 is RGB (146, 164, 230).
    static constexpr TColor fromInt(int value) {
        return TColor(static_cast<std::uint32_t>(value) & 0xFFFFFFu);
    }
    static constexpr TColor rgb(int red, int green, int blue) {
        return fromInt(red + 256 * green + 65536 * blue);
    }
    static constexpr TColor system(SystemColor color) {
        return TColor(systemFlag | static_cast<std::uint32_t>(color));
    }
    // The 24-bit value of a Qt colour (its alpha is dropped).
    static TColor fromQColor(const QColor& color);

    constexpr bool isSystem() const noexcept { return (value_ & systemFlag) != 0; }

    // The 24-bit value; a system colour gives its classic value.
    int toInt() const;
    QColor toQColor() const;

    friend constexpr bool operator==(TColor, TColor) = default;

private:
    static constexpr std::uint32_t systemFlag = 0xFF000000u;

    constexpr explicit TColor(std::uint32_t value) : value_(value) {}

    std::uint32_t value_ = 0;
};

inline constexpr TColor clBlack = TColor::rgb(0, 0, 0);
inline constexpr TColor clWhite = TColor::rgb(255, 255, 255);
inline constexpr TColor clSilver = TColor::rgb(192, 192, 192);
inline constexpr TColor clGray = TColor::rgb(128, 128, 128);
inline constexpr TColor clRed = TColor::rgb(255, 0, 0);
inline constexpr TColor clBlue = TColor::rgb(0, 0, 255);

inline constexpr TColor clScrollBar = TColor::system(SystemColor::ScrollBar);
inline constexpr TColor clBackground = TColor::system(SystemColor::Background);
inline constexpr TColor clActiveCaption = TColor::system(SystemColor::ActiveCaption);
inline constexpr TColor clInactiveCaption = TColor::system(SystemColor::InactiveCaption);
inline constexpr TColor clMenu = TColor::system(SystemColor::Menu);
inline constexpr TColor clWindow = TColor::system(SystemColor::Window);
inline constexpr TColor clWindowFrame = TColor::system(SystemColor::WindowFrame);
inline constexpr TColor clMenuText = TColor::system(SystemColor::MenuText);
inline constexpr TColor clWindowText = TColor::system(SystemColor::WindowText);
inline constexpr TColor clCaptionText = TColor::system(SystemColor::CaptionText);
inline constexpr TColor clActiveBorder = TColor::system(SystemColor::ActiveBorder);
inline constexpr TColor clInactiveBorder = TColor::system(SystemColor::InactiveBorder);
inline constexpr TColor clAppWorkSpace = TColor::system(SystemColor::AppWorkSpace);
inline constexpr TColor clHighlight = TColor::system(SystemColor::Highlight);
inline constexpr TColor clHighlightText = TColor::system(SystemColor::HighlightText);
inline constexpr TColor clBtnFace = TColor::system(SystemColor::BtnFace);
inline constexpr TColor clBtnShadow = TColor::system(SystemColor::BtnShadow);
inline constexpr TColor clGrayText = TColor::system(SystemColor::GrayText);
inline constexpr TColor clBtnText = TColor::system(SystemColor::BtnText);
inline constexpr TColor clInactiveCaptionText = TColor::system(SystemColor::InactiveCaptionText);
inline constexpr TColor clBtnHighlight = TColor::system(SystemColor::BtnHighlight);
inline constexpr TColor cl3DDkShadow = TColor::system(SystemColor::DkShadow3D);
inline constexpr TColor cl3DLight = TColor::system(SystemColor::Light3D);
inline constexpr TColor clInfoText = TColor::system(SystemColor::InfoText);
inline constexpr TColor clInfoBk = TColor::system(SystemColor::InfoBk);

} // namespace tessarin::widgets
