#pragma once
// The program's colours (0x00BBGGRR values) and the metrics shared by several controls.
#include "surface.h"

namespace palette {
constexpr ColorRef Navy = 0x800000;       // text
constexpr ColorRef BrightBlue = 0xff0000; // focus and attention
constexpr ColorRef MediumBlue = 0xc00000; // hover and pressed captions
constexpr ColorRef LabelGrey = 0xc0c0c0;  // labels, style 9, disabled captions
constexpr ColorRef DisabledGrey = 0xdcdcdc;
constexpr ColorRef LineActive = 0xdcdcdc; // panel background lines
constexpr ColorRef LineInactive = 0xf0f0f0;
constexpr ColorRef White = 0xffffff;
constexpr ColorRef Black = 0x000000;
constexpr ColorRef ExplanationYellow = 0xe6ffff;
constexpr ColorRef BorderDark = 0x808080;
constexpr ColorRef BorderLight = 0xe4e4e4;
constexpr ColorRef ShadowGrey = 0xc0c0c0; // shadow of bold style-2 labels

// Button captions.
constexpr ColorRef ButtonDisabledText = 0xe1e1e1;
constexpr ColorRef ButtonGreyedText = 0xebebeb;
constexpr ColorRef SwatchGreyed = 0xf0f0f0;
constexpr ColorRef SwatchNeutral = 0xd2d2d2; // never brightened

// Check box and radio button.
constexpr ColorRef BoxOutlineHover = 0x808080;
constexpr ColorRef BoxOutline = 0xc0c0c0;
constexpr ColorRef BoxInnerHover = 0xc0c0c0;
constexpr ColorRef BoxInner = 0xdedede;
constexpr ColorRef BoxGreyed = 0xebebeb;
constexpr ColorRef BoxPressed = 0xc0c0c0;
constexpr ColorRef RadioUnselectedText = 0x808080;
constexpr ColorRef RadioDisabledFill = 0xc6c6c6;
constexpr ColorRef RadioPressed = 0xdcdcdc;
constexpr ColorRef RadioDotHover = 0xff6464;
constexpr ColorRef RadioDot = 0xc06464;

// Panel outline grey levels.
constexpr ColorRef PanelOutlineActive = RGB(194, 194, 194);
constexpr ColorRef PanelOutlineInactive = RGB(220, 220, 220);
} // namespace palette

namespace metrics {
constexpr int ButtonHeight = 24;
constexpr int LineStep = 2; // spacing of the lined background
constexpr int CaptionBarHeight = 20;
} // namespace metrics
