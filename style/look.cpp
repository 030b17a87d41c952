#include "style/look.h"

#include <algorithm>

namespace quillora::style {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

constexpr Gradient Flat(Rgb colour) {
    return {colour, colour};
}

// Order of every array: normal, hovered, pushed, focused, disabled.
constexpr std::array<Look, 3> kLooks{{
    // Style 1: green and olive.
    {
        .buttonBorder = {55, 98, 6},
        .buttonRing = {{{{255, 255, 255}, {215, 221, 190}},
                        {{255, 240, 207}, {229, 151, 0}},
                        Flat({226, 232, 205}),
                        {{231, 243, 200}, {143, 170, 80}},
                        Flat({245, 244, 234})}},
        .buttonFace = {{{{252, 252, 248}, {206, 214, 178}},
                        {{252, 252, 248}, {206, 214, 178}},
                        {{190, 200, 160}, {252, 252, 248}},
                        {{252, 252, 248}, {206, 214, 178}},
                        Flat({245, 244, 234})}},
        .buttonCaption = {{kBlack, kBlack, kBlack, kBlack, {165, 162, 148}}},
        .fieldBorder = {164, 185, 127},
        .arrowBorder =
            {{{164, 185, 127}, {120, 140, 80}, {90, 110, 60}, {164, 185, 127}, {164, 185, 127}}},
        .arrowFace = {{{kWhite, {205, 217, 174}},
                       {kWhite, {215, 228, 180}},
                       {{190, 205, 150}, kWhite},
                       {kWhite, {205, 217, 174}},
                       {kWhite, {205, 217, 174}}}},
        .arrowCorner = kWhite,
        .chevron = {{kBlack, kBlack, kBlack, kBlack, {206, 203, 198}}},
        .disabledDarkening = 32,
    },
    // Style 2: silver.
    {
        .buttonBorder = {80, 80, 96},
        .buttonRing = {{{{255, 255, 255}, {214, 214, 222}},
                        {{255, 240, 207}, {229, 151, 0}},
                        Flat({226, 226, 232}),
                        {{214, 228, 246}, {130, 150, 200}},
                        Flat({245, 244, 234})}},
        .buttonFace = {{{{255, 255, 255}, {214, 214, 222}},
                        {{255, 255, 255}, {214, 214, 222}},
                        {{188, 188, 200}, {255, 255, 255}},
                        {{255, 255, 255}, {214, 214, 222}},
                        Flat({245, 244, 234})}},
        .buttonCaption = {{kBlack, kBlack, kBlack, kBlack, {165, 162, 148}}},
        .fieldBorder = {165, 172, 178},
        .arrowBorder =
            {{{165, 172, 178}, {110, 115, 125}, {80, 85, 95}, {165, 172, 178}, {165, 172, 178}}},
        .arrowFace = {{{kWhite, {210, 210, 220}},
                       {kWhite, {220, 220, 232}},
                       {{190, 190, 205}, kWhite},
                       {kWhite, {210, 210, 220}},
                       {kWhite, {210, 210, 220}}}},
        .arrowCorner = kWhite,
        .chevron = {{kBlack, kBlack, kBlack, kBlack, {206, 203, 198}}},
        .disabledDarkening = 32,
    },
    // Style 3: blue, the one the calculator uses.
    {
        .buttonBorder = {0, 60, 116},
        .buttonRing = {{{{255, 255, 255}, {226, 223, 214}},
                        {{255, 240, 207}, {229, 151, 0}},
                        Flat({239, 227, 206}),
                        {{206, 231, 255}, {105, 130, 238}},
                        Flat({245, 244, 234})}},
        .buttonFace = {{{{252, 252, 251}, {198, 197, 215}},
                        {{252, 252, 251}, {198, 197, 215}},
                        {{179, 178, 197}, {252, 252, 251}},
                        {{252, 252, 251}, {198, 197, 215}},
                        Flat({245, 244, 234})}},
        .buttonCaption = {{kBlack, kBlack, kBlack, kBlack, {165, 162, 148}}},
        .fieldBorder = {198, 197, 215},
        .arrowBorder =
            {{{148, 149, 162}, {91, 102, 86}, {67, 72, 72}, {148, 149, 162}, {148, 149, 162}}},
        .arrowFace = {{{kWhite, {203, 204, 218}},
                       {kWhite, {207, 209, 227}},
                       {{191, 194, 219}, kWhite},
                       {kWhite, {203, 204, 218}},
                       {kWhite, {203, 204, 218}}}},
        .arrowCorner = kWhite,
        .chevron = {{kBlack, kBlack, kBlack, kBlack, {206, 203, 198}}},
        .disabledDarkening = 32,
    },
}};

std::size_t Index(VisualState state) {
    return static_cast<std::size_t>(state);
}

std::uint8_t Darken(std::uint8_t channel, int amount) {
    return static_cast<std::uint8_t>(std::max(0, channel - amount));
}

Rgb DisabledBorder(const Look& look, const SystemColours& system) {
    const Rgb face = system.buttonFace;
    return {Darken(face.red, look.disabledDarkening), Darken(face.green, look.disabledDarkening),
            Darken(face.blue, look.disabledDarkening)};
}

}  // namespace

VisualState PickVisualState(const ControlStatus& status) {
    if (!status.enabled) {
        return VisualState::kDisabled;
    }
    if (status.pushed) {
        return VisualState::kPushed;
    }
    if (status.hovered) {
        return VisualState::kHovered;
    }
    if (status.focused || status.isDefault) {
        return VisualState::kFocused;
    }
    return VisualState::kNormal;
}

const Look* LookOfStyle(int style) {
    if (style < 1 || style > static_cast<int>(kLooks.size())) {
        return nullptr;
    }
    return &kLooks[static_cast<std::size_t>(style - 1)];
}

ButtonColours ButtonColoursFor(const Look& look, VisualState state, const SystemColours& system) {
    const std::size_t i = Index(state);
    return {
        .outerRing = system.buttonFace,
        .border =
            state == VisualState::kDisabled ? DisabledBorder(look, system) : look.buttonBorder,
        .ring = look.buttonRing[i],
        .face = look.buttonFace[i],
        .caption = look.buttonCaption[i],
    };
}

FieldColours FieldColoursFor(const Look& look, bool enabled, bool readOnly,
                             const SystemColours& system) {
    return {
        .border = enabled ? look.fieldBorder : DisabledBorder(look, system),
        .innerRing = enabled && !readOnly ? system.window : system.buttonFace,
    };
}

ArrowColours ArrowColoursFor(const Look& look, VisualState state, const SystemColours& system) {
    const std::size_t i = Index(state);
    return {
        .border = look.arrowBorder[i],
        .corner = look.arrowCorner,
        .face = look.arrowFace[i],
        .chevron = look.chevron[i],
        .separator = system.window,
    };
}

Rgb Blend(Rgb a, Rgb b) {
    auto mid = [](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>((x + y) / 2);
    };
    return {mid(a.red, b.red), mid(a.green, b.green), mid(a.blue, b.blue)};
}

}  // namespace quillora::style
