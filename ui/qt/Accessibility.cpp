#include "ui/qt/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <array>

namespace tarnwick {

namespace {

/// Where a field stands on the screen: the caption of its row, the column
/// word for the measured and difference columns, the unit label beside it,
/// and the label whose tooltip explains it.
struct FieldCaption {
    F field;
    L row;
    const char* column;  ///< empty for the imperial and metric columns
    L unit;
    L about;
    bool hasUnit = true;
};

constexpr FieldCaption quantity(F f, L row, L unit) {
    return {f, row, "", unit, row};
}
constexpr FieldCaption measured(F f, L row, int dim) {
    return {f, row, "measured", labelDim(dim), L::Label49};
}
constexpr FieldCaption difference(F f, L row, int dim) {
    return {f, row, "difference", labelDim(dim), L::Label50};
}

// In the order of the screen, row by row; the first field of a row is the
// one its caption is the buddy of.
constexpr std::array<FieldCaption, kFieldCount> kFieldCaptions{{
    quantity(F::txtImpGovTrip, L::Label37, L::Label36),
    quantity(F::txtMetGovTrip, L::Label37, L::Label34),
    quantity(F::txtImpSpeed, L::Label5, L::Label8),
    quantity(F::txtMetSpeed, L::Label5, L::Label11),
    quantity(F::txtImpRunby, L::Label6, L::Label9),
    quantity(F::txtMetRunby, L::Label6, L::Label12),
    quantity(F::txtImpRunbyCar, L::Label20, L::Label19),
    quantity(F::txtMetRunbyCar, L::Label20, L::Label18),
    quantity(F::txtImpStroke, L::Label7, L::Label10),
    quantity(F::txtMetStroke, L::Label7, L::Label13),
    quantity(F::txtImpMinStroke, L::Label15, L::Label32),
    quantity(F::txtMetMinStroke, L::Label15, L::Label33),
    quantity(F::txtImpMaxJump, L::Label31, L::Label30),
    quantity(F::txtMetMaxJump, L::Label31, L::Label29),
    quantity(F::txtImpMinCrosshead, L::Label24, labelDim(0)),
    quantity(F::txtMetMinCrosshead, L::Label24, labelDim(5)),
    measured(F::txtCrossMea, L::Label24, 10),
    difference(F::txtDifCross, L::Label24, 14),
    quantity(F::txtImpMinRefuge, L::Label23, labelDim(1)),
    quantity(F::txtMetMinRefuge, L::Label23, labelDim(6)),
    measured(F::txtRefugeMea, L::Label23, 11),
    difference(F::txtDifRefuge, L::Label23, 15),
    quantity(F::txtImpMinShoes, L::Label22, labelDim(2)),
    quantity(F::txtMetMinShoes, L::Label22, labelDim(7)),
    measured(F::txtShoesMea, L::Label22, 12),
    difference(F::txtDifShoes, L::Label22, 16),
    quantity(F::txtImpMinObstruct, L::Label27, labelDim(3)),
    quantity(F::txtMetMinObstruct, L::Label27, labelDim(8)),
    measured(F::txtObstructMea, L::Label27, 13),
    difference(F::txtDifObstruct, L::Label27, 17),
    quantity(F::txtImpMinCwtObstruct, L::Label17, labelDim(20)),
    quantity(F::txtMetMinCwtObstruct, L::Label17, labelDim(21)),
    measured(F::txtCwtMea, L::Label17, 18),
    difference(F::txtDifCwt, L::Label17, 19),
    quantity(F::txtImpMaxRunby, L::Label40, labelDim(4)),
    quantity(F::txtMetMaxRunby, L::Label40, labelDim(9)),
    {F::txtID, L::Label16, "", L::Label16, L::Label16, false},
}};

/// A question and its options; `topic` is the question in a few words, which
/// goes before each option's caption.
struct Question {
    L question;
    O first;
    O second;
    const char* topic;
};

constexpr std::array<Question, 5> kQuestions{{
    {L::Label21, O::opt1996, O::opt2000, "A17.1 code edition"},
    {L::Label2, O::optOil, O::optSpring, "Buffer"},
    {L::Label3, O::optCompYes, O::optCompNo, "Counterweight buffer compressed at top landing"},
    {L::Label4, O::optTieDownYes, O::optTieDownNo, "Compensating rope tie-down device"},
    {L::Label14, O::optReducedYes, O::optReducedNo, "Reduced stroke buffer"},
}};

/// Two buttons share the caption "Clear"; spoken, they say what they clear.
QString buttonName(B b, const QString& caption) {
    switch (b) {
        case B::cmdClearMet:
            return QStringLiteral("Clear entries and results");
        case B::cmdClearMea:
            return QStringLiteral("Clear measured clearances");
        default:
            return caption;
    }
}

/// A caption without its access-key marks; a doubled ampersand is one.
QString withoutAccessKey(const std::string& caption) {
    QString out;
    const QString text = qtText(caption);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out.trimmed();
}

/// A row caption as a name: without its colon. The maximum runby heading
/// is set in capitals for show; it is spoken like the other rows.
QString rowName(const Sheet& sheet, L row) {
    QString name = plainText(sheet.caption(row));
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    if (row == L::Label40) {
        QStringList words = name.split(QLatin1Char(' '));
        for (qsizetype i = 1; i < words.size(); ++i) words[i] = words[i].toLower();
        name = words.join(QLatin1Char(' '));
    }
    return name;
}

void setName(QWidget* w, const QString& name) {
    if (w && w->accessibleName() != name) w->setAccessibleName(name);
}

void setDescription(QWidget* w, const QString& description) {
    if (w && w->accessibleDescription() != description) w->setAccessibleDescription(description);
}

void describeField(const Sheet& sheet, const SheetWidgets& widgets, const FieldCaption& c) {
    QStringList parts{rowName(sheet, c.row)};
    if (*c.column) parts << QString::fromLatin1(c.column);
    if (c.hasUnit) parts << plainText(sheet.caption(c.unit));
    setName(widgets[c.field], parts.join(QStringLiteral(", ")));
    setDescription(widgets[c.field], plainText(sheet.tooltip(c.about)));
}

const Question* questionOf(O o) {
    for (const Question& q : kQuestions) {
        if (q.first == o || q.second == o) return &q;
    }
    return nullptr;
}

/// Qt reports a radio button whose pair Qt does not keep exclusive as a
/// check box; the sheet keeps the pair exclusive, so it is a radio button.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(OptionButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled()) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    // Toggling clicks the option, as a mouse click does: the sheet selects
    // it, or does nothing when it is selected already.
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (button()->isEnabled()) button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    OptionButton* button() const { return static_cast<OptionButton*>(widget()); }
};

QAccessibleInterface* optionInterface(const QString& key, QObject* object) {
    if (key != QLatin1String(OptionButton::staticMetaObject.className())) return nullptr;
    auto* button = qobject_cast<OptionButton*>(object);
    return button ? new OptionAccessible(button) : nullptr;
}

}  // namespace

QString plainText(const std::string& text) {
    return qtText(text).simplified();
}

void installOptionRole() {
    static const bool installed = [] {
        QAccessible::installFactory(optionInterface);
        return true;
    }();
    (void)installed;
}

namespace {

// Set once assistive technology has been listening; Qt tells of it through
// the activation observers, and QAccessible::isActive() says whether it
// listens now.
bool everListened = false;

}  // namespace

bool accessibilityListening() {
    return everListened || QAccessible::isActive();
}

AccessibilityLink::AccessibilityLink(const Sheet& sheet, const SheetWidgets& widgets)
    : sheet_(sheet), widgets_(widgets) {
    for (const FieldCaption& c : kFieldCaptions) {
        QLabel* row = widgets[c.row];
        if (row && !row->buddy()) row->setBuddy(widgets[c.field]);
        if (QLabel* unit = widgets[c.unit]; c.hasUnit && unit) unit->setBuddy(widgets[c.field]);
    }
    for (const Question& q : kQuestions) {
        if (QLabel* question = widgets[q.question]) question->setBuddy(widgets[q.first]);
    }
    QAccessible::installActivationObserver(this);
    if (accessibilityListening()) describeAll();
}

AccessibilityLink::~AccessibilityLink() {
    QAccessible::removeActivationObserver(this);
}

void AccessibilityLink::accessibilityActiveChanged(bool active) {
    if (!active) return;
    everListened = true;
    describeAll();
}

void AccessibilityLink::describeAll() {
    for (int i = 0; i < kLabelCount; ++i) describe(sheet_, widgets_, static_cast<L>(i));
    for (int i = 0; i < kOptionCount; ++i) describe(sheet_, widgets_, static_cast<O>(i));
    for (int i = 0; i < kButtonCount; ++i) describe(sheet_, widgets_, static_cast<B>(i));
}

void describe(const Sheet& sheet, const SheetWidgets& widgets, L l) {
    if (!accessibilityListening()) return;
    setDescription(widgets[l], plainText(sheet.tooltip(l)));
    for (const FieldCaption& c : kFieldCaptions) {
        if (c.row == l || c.about == l || (c.hasUnit && c.unit == l)) {
            describeField(sheet, widgets, c);
        }
    }
    for (const Question& q : kQuestions) {
        if (q.question == l) {
            describe(sheet, widgets, q.first);
            describe(sheet, widgets, q.second);
        }
    }
}

// An option without a tooltip of its own is explained by its question's.
void describe(const Sheet& sheet, const SheetWidgets& widgets, O o) {
    if (!accessibilityListening()) return;
    const Question* q = questionOf(o);
    if (!q) return;
    const OptionElement& option = sheet.option(o);
    setName(widgets[o], QString::fromLatin1(q->topic) + QStringLiteral(": ") +
                            withoutAccessKey(option.caption));
    const QString own = plainText(option.tooltip);
    setDescription(widgets[o], own.isEmpty() ? plainText(sheet.tooltip(q->question)) : own);
}

void describe(const Sheet& sheet, const SheetWidgets& widgets, B b) {
    if (!accessibilityListening()) return;
    const ButtonElement& button = sheet.button(b);
    setName(widgets[b], buttonName(b, withoutAccessKey(button.caption)));
    setDescription(widgets[b], plainText(button.tooltip));
}

}  // namespace tarnwick
