#include "ui/qt/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

#include "ui/Screen.h"

namespace tarnwick {

namespace {

void setName(QWidget* w, const QString& name) {
    if (w && w->accessibleName() != name) w->setAccessibleName(name);
}

void setDescription(QWidget* w, const QString& description) {
    if (w && w->accessibleDescription() != description) w->setAccessibleDescription(description);
}

/// The field's name (its row, column and unit) and description.
void describeField(const Sheet& sheet, const SheetWidgets& widgets, F f) {
    setName(widgets[f], qtText(screen::accessibleName(sheet, f)));
    setDescription(widgets[f], qtText(screen::description(sheet, f)));
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
    for (const screen::FieldPlace& p : screen::fieldPlaces()) {
        QLabel* row = widgets[p.row];
        if (row && !row->buddy()) row->setBuddy(widgets[p.field]);
        if (QLabel* unit = widgets[p.unit]; p.hasUnit && unit) unit->setBuddy(widgets[p.field]);
    }
    for (const screen::Question& q : screen::questions()) {
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
    setDescription(widgets[l], qtText(screen::description(sheet, l)));
    for (Element e : screen::namedBy(l)) {
        if (e.isField()) {
            describeField(sheet, widgets, e.field());
        } else {
            describe(sheet, widgets, e.option());
        }
    }
}

void describe(const Sheet& sheet, const SheetWidgets& widgets, O o) {
    if (!accessibilityListening()) return;
    setName(widgets[o], qtText(screen::accessibleName(sheet, o)));
    setDescription(widgets[o], qtText(screen::description(sheet, o)));
}

void describe(const Sheet& sheet, const SheetWidgets& widgets, B b) {
    if (!accessibilityListening()) return;
    setName(widgets[b], qtText(screen::accessibleName(sheet, b)));
    setDescription(widgets[b], qtText(screen::description(sheet, b)));
}

}  // namespace tarnwick
