// The window as assistive technology sees it, read in-process through Qt's
// accessibility interfaces: what a screen reader says for every field,
// option and button, and that the names follow the captions.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "GuiTests.h"
#include "WindowUnderTest.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/qt/MainWindow.h"

namespace tarnwick {

namespace {

struct Expected {
    Element element;
    const char* name;
};

// Imperial mode, as the program starts.
const std::vector<Expected> kFieldNames{
    {F::txtImpGovTrip, "Governor tripping speed, FPM"},
    {F::txtMetGovTrip, "Governor tripping speed, MPS"},
    {F::txtImpSpeed, "Rated speed, FPM"},
    {F::txtMetSpeed, "Rated speed, MPS"},
    {F::txtImpRunby, "Counterweight runby, IN"},
    {F::txtMetRunby, "Counterweight runby, MM"},
    {F::txtImpRunbyCar, "Car runby, IN"},
    {F::txtMetRunbyCar, "Car runby, MM"},
    {F::txtImpStroke, "Car and counterweight buffer stroke, IN"},
    {F::txtMetStroke, "Car and counterweight buffer stroke, MM"},
    {F::txtImpMinStroke, "Minimum required buffer stroke, IN"},
    {F::txtMetMinStroke, "Minimum required buffer stroke, MM"},
    {F::txtImpMaxJump, "Calculated car travel above top landing, IN"},
    {F::txtMetMaxJump, "Calculated car travel above top landing, MM"},
    {F::txtImpMinCrosshead, "Crosshead, IN"},
    {F::txtMetMinCrosshead, "Crosshead, MM"},
    {F::txtCrossMea, "Crosshead, measured, IN"},
    {F::txtDifCross, "Crosshead, difference, IN"},
    {F::txtImpMinRefuge, "Refuge space, IN"},
    {F::txtMetMinRefuge, "Refuge space, MM"},
    {F::txtRefugeMea, "Refuge space, measured, IN"},
    {F::txtDifRefuge, "Refuge space, difference, IN"},
    {F::txtImpMinShoes, "Guide shoes or gate posts, IN"},
    {F::txtMetMinShoes, "Guide shoes or gate posts, MM"},
    {F::txtShoesMea, "Guide shoes or gate posts, measured, IN"},
    {F::txtDifShoes, "Guide shoes or gate posts, difference, IN"},
    {F::txtImpMinObstruct, "Equipment projecting above crosshead, IN"},
    {F::txtMetMinObstruct, "Equipment projecting above crosshead, MM"},
    {F::txtObstructMea, "Equipment projecting above crosshead, measured, IN"},
    {F::txtDifObstruct, "Equipment projecting above crosshead, difference, IN"},
    {F::txtImpMinCwtObstruct, "Obstruction above counterweight, IN"},
    {F::txtMetMinCwtObstruct, "Obstruction above counterweight, MM"},
    {F::txtCwtMea, "Obstruction above counterweight, measured, IN"},
    {F::txtDifCwt, "Obstruction above counterweight, difference, IN"},
    {F::txtImpMaxRunby, "Maximum counterweight runby, IN"},
    {F::txtMetMaxRunby, "Maximum counterweight runby, MM"},
    {F::txtID, "Elevator Identification"},
};

const std::vector<Expected> kOptionNames{
    {O::opt1996, "A17.1 code edition: 96"},
    {O::opt2000, "A17.1 code edition: 00-04"},
    {O::optOil, "Buffer: Oil"},
    {O::optSpring, "Buffer: Spring"},
    {O::optCompYes, "Counterweight buffer compressed at top landing: Yes"},
    {O::optCompNo, "Counterweight buffer compressed at top landing: No"},
    {O::optTieDownYes, "Compensating rope tie-down device: Yes"},
    {O::optTieDownNo, "Compensating rope tie-down device: No"},
    {O::optReducedYes, "Reduced stroke buffer: Yes"},
    {O::optReducedNo, "Reduced stroke buffer: No"},
};

const std::vector<Expected> kButtonNames{
    {B::cmdCalculate, "Calculate"},
    {B::cmdClearAll, "Clear All Fields"},
    {B::cmdDefault, "Default"},
    {B::cmdExit, "Exit"},
    {B::cmdMaxRunby, "Max Runby"},
    {B::cmdImperial, "Imperial"},
    {B::cmdMetric, "Metric"},
    {B::cmdClearMet, "Clear entries and results"},
    {B::cmdClearMea, "Clear measured clearances"},
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyElementHasItsNameRoleAndPlainDescription();
    void descriptionsAreTheTooltipsWithoutMarkup();
    void namesFollowTheCaptions();
    void optionsAreRadioButtonsThatClickAsTheMouseDoes();
    void captionsAreBuddiesOfTheirFields();

private:
    Sheet& sheet() { return ui_.sheet(); }
    QWidget* widget(Element e) {
        QWidget* w = ui_.window()->widgets().widget(e);
        if (!w) qFatal("the window has no %s", name(e).c_str());
        return w;
    }
    QAccessibleInterface* accessible(Element e) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget(e));
        if (!iface) qFatal("%s has no accessible interface", name(e).c_str());
        return iface;
    }
    QString spokenName(Element e) { return accessible(e)->text(QAccessible::Name); }
    QString description(Element e) { return accessible(e)->text(QAccessible::Description); }

    WindowUnderTest ui_;
};

void AccessibilityTest::init() {
    ui_.watchdog().reset();
    QVERIFY(ui_.open({}));
    // A screen reader comes after the window is shown, as the platform's
    // accessibility bridge tells it: from then on every name is given, in
    // this window and in every later one of the test run.
    QAccessible::setActive(true);
}

void AccessibilityTest::cleanup() {
    ui_.close();
    QVERIFY2(ui_.strays().isEmpty(), qPrintable(ui_.strays()));
}

void AccessibilityTest::everyElementHasItsNameRoleAndPlainDescription() {
    QCOMPARE(static_cast<int>(kFieldNames.size()), kFieldCount);
    QCOMPARE(static_cast<int>(kOptionNames.size()), kOptionCount);
    QCOMPARE(static_cast<int>(kButtonNames.size()), kButtonCount);
    const std::pair<const std::vector<Expected>*, QAccessible::Role> groups[] = {
        {&kFieldNames, QAccessible::EditableText},
        {&kOptionNames, QAccessible::RadioButton},
        {&kButtonNames, QAccessible::Button},
    };
    for (const auto& [expected, role] : groups) {
        for (const Expected& e : *expected) {
            const QByteArray what = QByteArray::fromStdString(name(e.element));
            QVERIFY2(spokenName(e.element) == QString::fromUtf8(e.name),
                     what + " is called " + spokenName(e.element).toUtf8());
            QVERIFY2(accessible(e.element)->role() == role, what);
            const QString d = description(e.element);
            QVERIFY2(!d.contains(QLatin1Char('<')) && d == d.simplified(),
                     what + ": " + d.toUtf8());
        }
    }
    // Two options with one caption are told apart by their question.
    QVERIFY(spokenName(O::optCompYes) != spokenName(O::optReducedYes));
}

void AccessibilityTest::descriptionsAreTheTooltipsWithoutMarkup() {
    const struct {
        Element element;
        const char* description;
    } rows[] = {
        {B::cmdCalculate, "Calculate the minimum clearances and maximum runby"},
        {B::cmdClearMea, "Clear measured text boxes only"},
        {B::cmdImperial, ""},
        {O::opt2000, "A17.1-2000 or 2004 or 2005 Editions"},
        // A field tells what its row caption's tooltip tells.
        {F::txtImpSpeed, "From crosshead data plate and confirmed with tachometer or other means"},
        {F::txtImpStroke, "From buffer data plate"},
        {F::txtCwtMea,
         "Place the measured car top and counterweight clearances in the appropriate text box"},
        {F::txtDifShoes,
         "These values represent the difference between the measured clearance and the "
         "minimum clearance...They should be zero or positive to be acceptable"},
        {F::txtID,
         "A maximum of 35 characters may be used to identify this elevator on a "
         "printout"},
        {L::Label31,
         "This is the maximum upward movement of the car above the top landing and "
         "includes the \"jump\" of the car if relevant"},
    };
    for (const auto& r : rows) {
        QCOMPARE(description(r.element), QString::fromUtf8(r.description));
    }
    // Tooltips that follow the code edition: the description follows too.
    const QString before = description(O::optReducedYes);
    QVERIFY(!before.isEmpty());
    QCOMPARE(before, qtText(sheet().tooltip(L::Label14)).simplified());
    sheet().select(O::opt2000);
    QCOMPARE(description(O::optReducedYes), qtText(sheet().tooltip(L::Label14)).simplified());
}

void AccessibilityTest::namesFollowTheCaptions() {
    sheet().select(O::optCompYes);
    QCOMPARE(spokenName(F::txtImpRunby),
             QStringLiteral("Counterweight buffer is compressed by, IN"));
    QCOMPARE(spokenName(F::txtMetRunbyCar), QStringLiteral("Car buffer is compressed by, MM"));
    sheet().select(O::optCompNo);
    QCOMPARE(spokenName(F::txtImpRunby), QStringLiteral("Counterweight runby, IN"));

    sheet().press(B::cmdMetric);
    QCOMPARE(spokenName(F::txtCrossMea), QStringLiteral("Crosshead, measured, MM"));
    QCOMPARE(spokenName(F::txtDifCwt), QStringLiteral("Obstruction above counterweight, "
                                                      "difference, MM"));
    QCOMPARE(spokenName(F::txtImpMinCrosshead), QStringLiteral("Crosshead, IN"));
    sheet().press(B::cmdImperial);
    QCOMPARE(spokenName(F::txtCrossMea), QStringLiteral("Crosshead, measured, IN"));
}

void AccessibilityTest::optionsAreRadioButtonsThatClickAsTheMouseDoes() {
    QAccessibleInterface* oil = accessible(O::optOil);
    QAccessibleInterface* spring = accessible(O::optSpring);
    QVERIFY(oil->state().checkable);
    QVERIFY(oil->state().checked);
    QVERIFY(!spring->state().checked);

    QAccessibleActionInterface* act = spring->actionInterface();
    QVERIFY(act);
    QVERIFY(act->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    act->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(sheet().selected(O::optSpring));
    QVERIFY(spring->state().checked);
    QVERIFY(!oil->state().checked);
    QVERIFY(sheet().visible(F::txtImpGovTrip));

    // Toggling the selected option runs nothing: the entry stays.
    sheet().setText(F::txtImpGovTrip, "900");
    act->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(sheet().selected(O::optSpring));
    QCOMPARE(sheet().text(F::txtImpGovTrip), std::string("900"));
}

void AccessibilityTest::captionsAreBuddiesOfTheirFields() {
    const struct {
        L label;
        Element buddy;
    } rows[] = {
        {L::Label5, F::txtImpSpeed},     {L::Label8, F::txtImpSpeed},
        {L::Label11, F::txtMetSpeed},    {L::Label24, F::txtImpMinCrosshead},
        {labelDim(10), F::txtCrossMea},  {labelDim(19), F::txtDifCwt},
        {L::Label40, F::txtImpMaxRunby}, {L::Label16, F::txtID},
        {L::Label14, O::optReducedYes},
    };
    for (const auto& r : rows) {
        auto* label = static_cast<QLabel*>(widget(r.label));
        QVERIFY2(label->buddy() == widget(r.buddy), name(r.label).data());
    }
    // A screen reader finds the caption from the field.
    bool labelled = false;
    for (const auto& [iface, relation] :
         accessible(F::txtImpSpeed)->relations(QAccessible::Label)) {
        if (iface->object() == widget(L::Label5)) labelled = true;
    }
    QVERIFY(labelled);
}

TARNWICK_GUI_TEST(AccessibilityTest);

}  // namespace tarnwick

#include "AccessibilityTest.moc"
