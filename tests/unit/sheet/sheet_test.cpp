// The sheet's operations: when reactions run, how they nest, and the element
// names the window and the scenario files use.
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/Snapshot.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

// Records every reaction; a change of txtImpSpeed writes its own twin, as
// the editing reactions do, to show that reactions nest.
class Recorder : public Reactions {
public:
    explicit Recorder(Sheet& sheet) : sheet_(sheet) {}
    void changed(F f) override {
        log.push_back("change " + std::string(name(f)));
        if (f == F::txtImpSpeed) sheet_.setText(F::txtMetSpeed, "twin of " + sheet_.text(f));
    }
    void gotFocus(F f) override { log.push_back("focus " + std::string(name(f))); }
    void clicked(O o) override { log.push_back("click " + std::string(name(o))); }
    void clicked(B b) override { log.push_back("click " + std::string(name(b))); }
    void chosen(M m) override { log.push_back("menu " + std::string(name(m))); }
    bool queryUnload() override {
        log.push_back("unload");
        return allowClose;
    }
    std::vector<std::string> log;
    bool allowClose = false;

private:
    Sheet& sheet_;
};

class SheetOperations : public ::testing::Test {
protected:
    SheetOperations() { sheet.setReactions(&recorder); }
    HeadlessPlatform platform;
    Sheet sheet{platform};
    Recorder recorder{sheet};
};

TEST_F(SheetOperations, ChangeReactionRunsOnlyWhenTheTextDiffers) {
    sheet.setText(F::txtCrossMea, "");
    sheet.setText(F::txtCrossMea, "12");
    sheet.setText(F::txtCrossMea, "12");
    sheet.setText(F::txtCrossMea, "");
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"change txtCrossMea", "change txtCrossMea"}));
}

TEST_F(SheetOperations, ReactionsNestBeforeTheSetterReturns) {
    sheet.setText(F::txtImpSpeed, "700");
    EXPECT_EQ(sheet.text(F::txtMetSpeed), "twin of 700");
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"change txtImpSpeed", "change txtMetSpeed"}));
}

TEST_F(SheetOperations, SelectingAnOptionUnselectsItsPartnerAndClicksOnce) {
    ASSERT_TRUE(sheet.selected(O::optOil));
    sheet.select(O::optOil);
    EXPECT_TRUE(recorder.log.empty());
    sheet.select(O::optSpring);
    EXPECT_TRUE(sheet.selected(O::optSpring));
    EXPECT_FALSE(sheet.selected(O::optOil));
    sheet.select(O::optSpring);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"click optSpring"}));
}

TEST_F(SheetOperations, FocusOnAFieldRunsItsFocusReaction) {
    sheet.setFocus(F::txtImpRunby);
    sheet.setFocus(Element(B::cmdCalculate));
    EXPECT_EQ(sheet.focus(), Element(B::cmdCalculate));
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"focus txtImpRunby"}));
}

TEST_F(SheetOperations, CloseRequestAsksTheCloseReaction) {
    sheet.requestClose();
    EXPECT_FALSE(sheet.closed());
    recorder.allowClose = true;
    sheet.requestClose();
    EXPECT_TRUE(sheet.closed());
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"unload", "unload"}));
}

TEST_F(SheetOperations, SelectionIsAPartOfTheText) {
    sheet.setText(F::txtID, "Car 7 east");
    sheet.setSelection(F::txtID, 4, 1);
    EXPECT_EQ(sheet.selection(F::txtID), "7");
    sheet.setSelection(F::txtID, 4, 99);
    EXPECT_EQ(sheet.selection(F::txtID), "7 east");
    sheet.setText(F::txtID, "Car 8");
    EXPECT_EQ(sheet.selection(F::txtID), "");
}

TEST(SheetCatalogue, InitialLook) {
    HeadlessPlatform platform;
    Sheet sheet(platform);
    EXPECT_FALSE(sheet.visible(F::txtImpGovTrip));
    EXPECT_FALSE(sheet.enabled(L::Label37));
    EXPECT_FALSE(sheet.enabled(B::cmdMaxRunby));
    EXPECT_EQ(sheet.maxLength(F::txtImpSpeed), 8);
    EXPECT_EQ(sheet.maxLength(F::txtCwtMea), 10);
    EXPECT_EQ(sheet.maxLength(F::txtDifCwt), 10);
    EXPECT_EQ(sheet.maxLength(F::txtID), 35);
    EXPECT_EQ(sheet.colour(F::txtImpMaxRunby), Colour::Yellow);
    EXPECT_TRUE(sheet.locked(F::txtDifCross));
    EXPECT_EQ(sheet.colour(F::txtCrossMea), Colour::White);
    EXPECT_EQ(sheet.colour(F::txtID), Colour::Standard);
    for (int i = 0; i <= 21; ++i) {
        bool metric = (i >= 5 && i <= 9) || i == 21;
        EXPECT_EQ(sheet.caption(labelDim(i)), metric ? "MM" : "IN") << i;
    }
}

TEST(ElementNames, RoundTripEveryControlName) {
    for (int i = 0; i < kFieldCount; ++i) {
        Element e{static_cast<F>(i)};
        EXPECT_EQ(elementNamed(name(e)), e);
    }
    for (int i = 0; i < kLabelCount; ++i) {
        Element e{static_cast<L>(i)};
        EXPECT_EQ(elementNamed(name(e)), e);
    }
    for (int i = 0; i < kMenuCount; ++i) {
        Element e{static_cast<M>(i)};
        EXPECT_EQ(elementNamed(name(e)), e);
    }
    EXPECT_EQ(elementNamed("LabelDIM(10)"), Element(labelDim(10)));
    EXPECT_EQ(elementNamed("optCompYes"), Element(O::optCompYes));
    EXPECT_EQ(elementNamed("cmdMaxRunby"), Element(B::cmdMaxRunby));
    EXPECT_FALSE(elementNamed("LabelDIM10").has_value());
    EXPECT_FALSE(elementNamed("Label25").has_value());
    EXPECT_FALSE(elementNamed("txtimpspeed").has_value());
}

// A snapshot is taken back whole or not at all: each row spoils the snapshot
// of a calculated sheet, and restoring it must leave another sheet as it was.
struct SpoiledSnapshot {
    const char* what;
    std::string (*spoil)(const std::string& snapshot);
};

/// The text with its first `from` replaced by `to`.
std::string edited(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

/// Sealed again after the edit, with a digest that fits.
std::string resealed(std::string text, std::string_view from, std::string_view to) {
    text = edited(std::move(text), from, to);
    return sealSnapshot(text.substr(0, text.rfind("digest ")));
}

class SnapshotRefusal : public ::testing::TestWithParam<SpoiledSnapshot> {};

TEST_P(SnapshotRefusal, LeavesTheSheetAsItWas) {
    HeadlessPlatform platform;
    Program calculated(platform);
    calculated.start();
    Sheet& from = calculated.sheet();
    for (auto [f, text] : {std::pair{F::txtImpSpeed, "350"},
                           {F::txtImpRunby, "6"},
                           {F::txtImpRunbyCar, "6"},
                           {F::txtImpStroke, "8"}}) {
        from.setFocus(f);
        from.setText(f, text);
    }
    from.press(B::cmdCalculate);
    const std::string kept = snapshot(from);
    Program probe(platform);
    ASSERT_TRUE(restore(probe.sheet(), resealed(kept, "", ""))) << "the rows seal as restore reads";

    Program other(platform);
    other.start();
    Sheet& sheet = other.sheet();
    sheet.setText(F::txtID, "Car 9");
    ASSERT_TRUE(restore(sheet, snapshot(sheet)));
    const Catalogue elements = sheet.elements();
    const SheetState state = sheet.state();
    const Element focus = sheet.focus();
    EXPECT_FALSE(restore(sheet, GetParam().spoil(kept))) << GetParam().what;
    EXPECT_TRUE(sheet.elements() == elements && sheet.state() == state && sheet.focus() == focus)
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SnapshotRefusal,
    ::testing::Values(
        SpoiledSnapshot{"another version",
                        [](const std::string& s) {
                            return resealed(s, "tarnwick-sheet 1", "tarnwick-sheet 2");
                        }},
        SpoiledSnapshot{"cut short",
                        [](const std::string& s) { return s.substr(0, s.size() / 2); }},
        SpoiledSnapshot{"one character edited",
                        [](const std::string& s) { return edited(s, "\"350\"", "\"351\""); }},
        SpoiledSnapshot{"a line doubled",
                        [](const std::string& s) {
                            return resealed(s, "button cmdExit enabled\n",
                                            "button cmdExit enabled\nbutton cmdExit enabled\n");
                        }},
        SpoiledSnapshot{
            "a line missing",
            [](const std::string& s) { return resealed(s, "button cmdExit enabled\n", ""); }},
        SpoiledSnapshot{
            "an unknown element",
            [](const std::string& s) { return resealed(s, "button cmdExit", "button cmdQuit"); }},
        SpoiledSnapshot{"both options of a pair selected",
                        [](const std::string& s) {
                            return resealed(s, "opt2000 unselected", "opt2000 selected");
                        }},
        SpoiledSnapshot{"a selection past the end of its text",
                        [](const std::string& s) {
                            return resealed(s, "\"350\" white unlocked tab visible 0 0",
                                            "\"350\" white unlocked tab visible 2 2");
                        }},
        SpoiledSnapshot{
            "another edition's values",
            [](const std::string& s) { return resealed(s, "edition 1996", "edition 2000"); }},
        SpoiledSnapshot{
            "a metric look in imperial units",
            [](const std::string& s) { return resealed(s, "units imperial", "units metric"); }},
        SpoiledSnapshot{"a result that is not a number",
                        [](const std::string& s) { return resealed(s, "\"8.25\"", "\"8.25x\""); }},
        SpoiledSnapshot{"a twin that does not follow its entry",
                        [](const std::string& s) { return resealed(s, "\"1.78\"", "\"1.77\""); }},
        SpoiledSnapshot{
            "Movement not a number",
            [](const std::string& s) { return resealed(s, "movement 8.25", "movement nan"); }},
        SpoiledSnapshot{"a caption that is not UTF-8", [](const std::string& s) {
                            return resealed(s, "\"Car runby:\"", "\"Car runby:\\xff\"");
                        }}));

// A restore runs no reaction but shows the observer every element and the
// focus, so that a view built before it mirrors the restored sheet.
TEST(SnapshotRestore, TellsTheObserverOfEveryElement) {
    struct Counter : SheetObserver {
        void elementChanged(Element) override { ++elements; }
        void focusChanged(Element e) override { focus = e; }
        int elements = 0;
        Element focus;
    } counter;
    HeadlessPlatform platform;
    Program started(platform);
    started.start();
    started.sheet().setFocus(F::txtCrossMea);
    Program fresh(platform);
    fresh.sheet().setObserver(&counter);
    ASSERT_TRUE(restore(fresh.sheet(), snapshot(started.sheet())));
    EXPECT_EQ(counter.elements, kShownElementCount);
    EXPECT_EQ(counter.focus, Element(F::txtCrossMea));
    EXPECT_EQ(fresh.sheet().text(F::txtMetSpeed), "");
}

}  // namespace
}  // namespace tarnwick
