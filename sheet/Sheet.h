// The calculator sheet: the one data store of the program. Every input and
// result is the text of a named field; setting a field's text runs its change
// reaction before the setter returns, and reactions nest.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "sheet/Catalogue.h"
#include "sheet/Edition.h"
#include "sheet/Elements.h"
#include "sheet/Platform.h"
#include "sheet/Utf8.h"
#include "sheet/Working.h"

namespace tarnwick {

/// Sheet-level values kept with the window for its lifetime.
struct SheetState {
    bool IsImperial = true;
    double Movement = 0;
    EditionValues edition;  ///< written by the edition reactions

    bool operator==(const SheetState&) const = default;
};

/// Reactions of the sheet's elements, run synchronously by the sheet.
class Reactions {
public:
    virtual ~Reactions() = default;
    virtual void changed(F field) = 0;   ///< after a field's text changed
    virtual void gotFocus(F field) = 0;  ///< after a field received the focus
    virtual void clicked(O option) = 0;  ///< after an option became selected
    virtual void clicked(B button) = 0;  ///< a command button was pressed
    virtual void chosen(M menu) = 0;     ///< a menu leaf was chosen
    virtual bool queryUnload() = 0;      ///< may the window close?
};

/// Told about every change of an element's look, for a window that mirrors
/// the sheet.
class SheetObserver {
public:
    virtual ~SheetObserver() = default;
    virtual void elementChanged(Element element) = 0;
    virtual void focusChanged(Element element) = 0;
};

/// What the user does to the sheet, as against what the reactions do.
enum class UserOp { Text, Selection, Focus, Select, Press, Choose, Close };

/// Told of the user's own operations on the sheet: those made while no
/// reaction runs (a front end's, a test's, a replay's). Each is told as it
/// begins, before it changes anything, and once its reactions have run; the
/// dialogs shown in between belong to it. A text is told only when it
/// changes.
class UserLog {
public:
    virtual ~UserLog() = default;
    virtual void began(UserOp op, Element element) = 0;
    virtual void ended(UserOp op, Element element) = 0;
};

class Sheet {
public:
    explicit Sheet(Platform& platform);
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    void setReactions(Reactions* reactions) { reactions_ = reactions; }
    void setObserver(SheetObserver* observer) { observer_ = observer; }
    void setUserLog(UserLog* log) { log_ = log; }
    Platform& platform() { return platform_; }

    // Text fields.
    const std::string& text(F f) const { return field(f).text; }
    /// Sets the text; a text that differs from the current one runs the
    /// field's change reaction before this returns.
    void setText(F f, std::string_view text);
    Colour colour(F f) const { return field(f).colour; }
    void setColour(F f, Colour c);
    bool locked(F f) const { return field(f).locked; }
    void setLocked(F f, bool on);
    bool tabStop(F f) const { return field(f).tabStop; }
    void setTabStop(F f, bool on);
    bool visible(F f) const { return field(f).visible; }
    void setVisible(F f, bool on);
    int maxLength(F f) const { return field(f).maxLength; }
    /// The length of the field's text in characters.
    int length(F f) const { return characterCount(text(f)); }
    /// The selected part of the field's text.
    std::string selection(F f) const;
    /// Selects `length` characters from character `start` (not bytes: the
    /// texts are UTF-8, and a selection never splits a character), no
    /// further than the text goes.
    void setSelection(F f, int start, int length);
    const TextField& field(F f) const { return elements_.fields[idx(f)]; }

    // Labels.
    const std::string& caption(L l) const { return elements_.labels[idx(l)].caption; }
    void setCaption(L l, std::string_view caption);
    const std::string& tooltip(L l) const { return elements_.labels[idx(l)].tooltip; }
    void setTooltip(L l, std::string_view tooltip);
    bool enabled(L l) const { return elements_.labels[idx(l)].enabled; }
    void setEnabled(L l, bool on);

    // Options.
    bool selected(O o) const { return elements_.options[idx(o)].selected; }
    /// Selects the option and unselects its partner; runs the option's click
    /// reaction only if it was not selected before.
    void select(O o);
    bool enabled(O o) const { return elements_.options[idx(o)].enabled; }
    void setEnabled(O o, bool on);
    const OptionElement& option(O o) const { return elements_.options[idx(o)]; }

    // Command buttons and menu items.
    bool enabled(B b) const { return elements_.buttons[idx(b)].enabled; }
    void setEnabled(B b, bool on);
    const ButtonElement& button(B b) const { return elements_.buttons[idx(b)]; }
    const MenuElement& menu(M m) const { return elements_.menus[idx(m)]; }
    /// Every element at once.
    const Catalogue& elements() const { return elements_; }

    // Focus.
    Element focus() const { return focus_; }
    /// Gives the focus to a field and runs its focus reaction.
    void setFocus(F f);
    /// Moves the focus to a button or an option (a mouse click does this).
    void setFocus(Element e);

    // User actions that run a reaction.
    void press(B b);   ///< a command button, Enter (cmdCalculate) or Esc (cmdExit)
    void choose(M m);  ///< a menu leaf or its shortcut
    /// A close request; the close reaction may refuse it.
    void requestClose();
    bool closed() const { return closed_; }

    // Dialogs.
    Answer message(const Message& m) { return platform_.showMessage(m); }
    Answer message(std::string prompt, std::string title, Icon icon);

    // Sheet-level state.
    SheetState& state() { return state_; }
    const SheetState& state() const { return state_; }

    /// The working of the last calculation, which the front ends show as
    /// it stands (`working().lines()`, or `Working::kNothingCalculated`
    /// when it has none).
    Working& working() { return working_; }
    const Working& working() const { return working_; }

    /// Left edge of the window on the screen, in pixels.
    int windowLeft() const { return windowLeft_; }
    void setWindowLeft(int left) { windowLeft_ = left; }

    /// Width of the window, in pixels.
    static constexpr int kWindowWidth = 895;

private:
    TextField& field(F f) { return elements_.fields[idx(f)]; }
    void notify(Element e) const;
    /// Whether an operation starting now is the user's, told to the log.
    bool began(UserOp op, Element e);
    void ended(bool user, UserOp op, Element e);

    /// While it lives, a reaction runs: what it does is not the user's.
    struct Reacting {
        explicit Reacting(int& depth) : depth_(depth) { ++depth_; }
        ~Reacting() { --depth_; }
        Reacting(const Reacting&) = delete;
        Reacting& operator=(const Reacting&) = delete;
        int& depth_;
    };

    Platform& platform_;
    Reactions* reactions_ = nullptr;
    SheetObserver* observer_ = nullptr;
    UserLog* log_ = nullptr;
    int reacting_ = 0;
    Catalogue elements_;
    Element focus_;
    SheetState state_;
    Working working_;
    bool closed_ = false;
    int windowLeft_ = 0;
};

/// The code edition the sheet's edition options have chosen.
inline Edition selectedEdition(const Sheet& sheet) {
    return sheet.selected(O::opt1996) ? Edition::A17_1_1996 : Edition::A17_1_2000;
}

}  // namespace tarnwick
