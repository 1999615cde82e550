// The catalogue of the calculator window's elements: every text field, label,
// option, command button and menu item, each under a typed id. The X-lists
// below are the single source of the ids and of their control names.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// clang-format off
#define TARNWICK_FIELDS(X)                                                                       \
    X(txtImpGovTrip) X(txtImpSpeed) X(txtImpRunby) X(txtImpRunbyCar) X(txtImpStroke)             \
    X(txtMetGovTrip) X(txtMetSpeed) X(txtMetRunby) X(txtMetRunbyCar) X(txtMetStroke)             \
    X(txtImpMinStroke) X(txtImpMaxJump) X(txtImpMinCrosshead) X(txtImpMinRefuge)                 \
    X(txtImpMinShoes) X(txtImpMinObstruct) X(txtImpMinCwtObstruct) X(txtImpMaxRunby)             \
    X(txtMetMinStroke) X(txtMetMaxJump) X(txtMetMinCrosshead) X(txtMetMinRefuge)                 \
    X(txtMetMinShoes) X(txtMetMinObstruct) X(txtMetMinCwtObstruct) X(txtMetMaxRunby)             \
    X(txtCrossMea) X(txtRefugeMea) X(txtShoesMea) X(txtObstructMea) X(txtCwtMea)                 \
    X(txtDifCross) X(txtDifRefuge) X(txtDifShoes) X(txtDifObstruct) X(txtDifCwt)                 \
    X(txtID)

#define TARNWICK_LABELS(X)                                                                       \
    X(Label1) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6) X(Label7) X(Label8) X(Label9)    \
    X(Label10) X(Label11) X(Label12) X(Label13) X(Label14) X(Label15) X(Label16) X(Label17)      \
    X(Label18) X(Label19) X(Label20) X(Label21) X(Label22) X(Label23) X(Label24) X(Label27)      \
    X(Label28) X(Label29) X(Label30) X(Label31) X(Label32) X(Label33) X(Label34) X(Label35)      \
    X(Label36) X(Label37) X(Label40) X(Label49) X(Label50)                                       \
    X(LabelDIM0) X(LabelDIM1) X(LabelDIM2) X(LabelDIM3) X(LabelDIM4) X(LabelDIM5) X(LabelDIM6)  \
    X(LabelDIM7) X(LabelDIM8) X(LabelDIM9) X(LabelDIM10) X(LabelDIM11) X(LabelDIM12)             \
    X(LabelDIM13) X(LabelDIM14) X(LabelDIM15) X(LabelDIM16) X(LabelDIM17) X(LabelDIM18)          \
    X(LabelDIM19) X(LabelDIM20) X(LabelDIM21)

#define TARNWICK_OPTIONS(X)                                                                      \
    X(opt1996) X(opt2000) X(optOil) X(optSpring) X(optCompYes) X(optCompNo)                      \
    X(optTieDownYes) X(optTieDownNo) X(optReducedYes) X(optReducedNo)

#define TARNWICK_BUTTONS(X)                                                                      \
    X(cmdCalculate) X(cmdClearAll) X(cmdDefault) X(cmdExit) X(cmdMaxRunby) X(cmdImperial)        \
    X(cmdMetric) X(cmdClearMet) X(cmdClearMea)

#define TARNWICK_MENUS(X)                                                                        \
    X(mnuPrint) X(mnuPrintData) X(mnuPrintForm) X(mnuFormula) X(mnuBufferStrokes) X(mnuOil)      \
    X(mnuSpring) X(mnuReducedStroke) X(mnu1996) X(mnu2000) X(mnuHyphen) X(mnuConditions)         \
    X(mnuImperial) X(mnuImpSpring) X(mnuImpComp) X(mnuImpReduced) X(mnuImpOtherOil)              \
    X(mnuMetConds) X(mnuMetSpring) X(mnuMetComp) X(mnuMetReduced) X(mnuMetOtherOil)             \
    X(mnuWorking) X(mnuShowWorking) X(mnuPrintWorking)
// clang-format on

#define TARNWICK_ENUMERATOR(name) name,
#define TARNWICK_COUNT(name) +1

/// Text fields.
enum class F { TARNWICK_FIELDS(TARNWICK_ENUMERATOR) };
/// Labels; `LabelDIM0` is the control `LabelDIM(0)`.
enum class L { TARNWICK_LABELS(TARNWICK_ENUMERATOR) };
/// Option buttons; they come in pairs of which exactly one is selected.
enum class O { TARNWICK_OPTIONS(TARNWICK_ENUMERATOR) };
/// Command buttons.
enum class B { TARNWICK_BUTTONS(TARNWICK_ENUMERATOR) };
/// Menu items (titles, submenus, leaves and the separator).
enum class M { TARNWICK_MENUS(TARNWICK_ENUMERATOR) };

inline constexpr int kFieldCount = 0 TARNWICK_FIELDS(TARNWICK_COUNT);
inline constexpr int kLabelCount = 0 TARNWICK_LABELS(TARNWICK_COUNT);
inline constexpr int kOptionCount = 0 TARNWICK_OPTIONS(TARNWICK_COUNT);
inline constexpr int kButtonCount = 0 TARNWICK_BUTTONS(TARNWICK_COUNT);
inline constexpr int kMenuCount = 0 TARNWICK_MENUS(TARNWICK_COUNT);

#undef TARNWICK_ENUMERATOR
#undef TARNWICK_COUNT

constexpr int idx(F f) {
    return static_cast<int>(f);
}
constexpr int idx(L l) {
    return static_cast<int>(l);
}
constexpr int idx(O o) {
    return static_cast<int>(o);
}
constexpr int idx(B b) {
    return static_cast<int>(b);
}
constexpr int idx(M m) {
    return static_cast<int>(m);
}

/// `LabelDIM(i)` for i in 0..21.
constexpr L labelDim(int i) {
    return static_cast<L>(idx(L::LabelDIM0) + i);
}

/// The other option of an option's pair.
constexpr O partner(O o) {
    return static_cast<O>(idx(o) ^ 1);
}

/// Any element of the sheet, for focus and for looking elements up by name.
struct Element {
    enum class Kind { None, Field, Label, Option, Button, Menu };
    Kind kind = Kind::None;
    int id = 0;

    constexpr Element() = default;
    constexpr Element(F f) : kind(Kind::Field), id(idx(f)) {}
    constexpr Element(L l) : kind(Kind::Label), id(idx(l)) {}
    constexpr Element(O o) : kind(Kind::Option), id(idx(o)) {}
    constexpr Element(B b) : kind(Kind::Button), id(idx(b)) {}
    constexpr Element(M m) : kind(Kind::Menu), id(idx(m)) {}

    constexpr bool operator==(const Element&) const = default;
    constexpr bool isField() const { return kind == Kind::Field; }
    constexpr F field() const { return static_cast<F>(id); }
    constexpr L label() const { return static_cast<L>(id); }
    constexpr O option() const { return static_cast<O>(id); }
    constexpr B button() const { return static_cast<B>(id); }
    constexpr M menu() const { return static_cast<M>(id); }
};

/// The elements a view shows, counted in one order: the fields, then the
/// labels, the options and the buttons (menus are not counted).
inline constexpr int kShownElementCount = kFieldCount + kLabelCount + kOptionCount + kButtonCount;

/// The shown element at `index` (0 <= index < kShownElementCount) in that
/// order.
constexpr Element shownElement(int index) {
    if (index < kFieldCount) return static_cast<F>(index);
    index -= kFieldCount;
    if (index < kLabelCount) return static_cast<L>(index);
    index -= kLabelCount;
    if (index < kOptionCount) return static_cast<O>(index);
    return static_cast<B>(index - kOptionCount);
}

/// Control names as the window and the scenario files spell them.
std::string_view name(F f);
std::string_view name(L l);
std::string_view name(O o);
std::string_view name(B b);
std::string_view name(M m);
std::string name(Element e);

/// Looks an element up by its control name; nothing for an unknown name.
std::optional<Element> elementNamed(std::string_view controlName);

}  // namespace tarnwick
