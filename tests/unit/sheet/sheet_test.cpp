// The sheet's operations: when reactions run, how they nest, and the element
// names the window and the scenario files use.
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace tarnwick
