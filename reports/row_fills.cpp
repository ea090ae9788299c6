#include "reports/row_fills.h"

#include <algorithm>

namespace reports {
namespace {

using platform::Color;

constexpr Color kGreyEven{248, 248, 248};
constexpr Color kGreyOdd{240, 240, 240};

int kindIndex(ledger::KontoArt accountKind) {
    return std::clamp(ledger::kontoArtIndex(accountKind), 0, ledger::kKontoArten - 1);
}

// Colour-mode shades by account kind: blue for asset, green for income, red for expense.
// Each shade is given for the levels from the strongest to the lightest.
constexpr Color kShades[3][4] = {
    {{85, 200, 255}, {128, 214, 255}, {170, 227, 255}, {213, 241, 255}},
    {{85, 255, 85}, {128, 255, 128}, {170, 255, 170}, {213, 255, 213}},
    {{255, 85, 85}, {255, 128, 128}, {255, 170, 170}, {255, 213, 213}},
};

} // namespace

RowFill groupRowFill(ledger::KontoArt accountKind) {
    constexpr Color colour[3] = {{151, 221, 255}, {150, 255, 150}, {255, 150, 150}};
    return {{225, 225, 225}, colour[kindIndex(accountKind)]};
}

RowFill accountRowFill(ledger::KontoArt accountKind, bool odd) {
    constexpr Color even[3] = {{201, 238, 255}, {200, 255, 200}, {255, 200, 200}};
    constexpr Color oddColour[3] = {{175, 229, 255}, {175, 255, 175}, {255, 175, 175}};
    const int k = kindIndex(accountKind);
    return odd ? RowFill{kGreyOdd, oddColour[k]} : RowFill{kGreyEven, even[k]};
}

RowFill valueTableRowFill(bool odd) {
    return odd ? RowFill{kGreyOdd, {255, 255, 165}} : RowFill{kGreyEven, {255, 255, 210}};
}

RowFill accountsByCategoryFill(CategoryLevel level, ledger::KontoArt accountKind) {
    constexpr Color grey[4] = {{185, 185, 185}, {205, 205, 205}, {225, 225, 225}, {248, 248, 248}};
    const int l = static_cast<int>(level);
    return {grey[l], kShades[kindIndex(accountKind)][l]};
}

RowFill categoryTreeFill(CategoryTreeLevel level, ledger::KontoArt accountKind) {
    constexpr Color grey[3] = {{205, 205, 205}, {225, 225, 225}, {248, 248, 248}};
    const int l = static_cast<int>(level);
    return {grey[l], kShades[kindIndex(accountKind)][l + 1]};
}

} // namespace reports
