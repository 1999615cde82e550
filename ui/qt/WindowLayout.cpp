#include "ui/qt/WindowLayout.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "ui/Grid.h"
#include "ui/Screen.h"
#include "ui/qt/Palette.h"

namespace tarnwick {

namespace {

// The texts a box is sized for at the least. A box whose text is longer
// widens to show it whole, and the window with it.
const QString kEntrySample = QStringLiteral("-99999.99");
const QString kMeasuredSample = QStringLiteral("-9999999.99");
const QString kMaxRunbySample = QStringLiteral("-99999.99");

/// A line edit as wide as its text or its sample, whichever is longer, so
/// that whatever the program writes into it is seen whole.
class FittingEdit : public QLineEdit {
public:
    FittingEdit(QString sample, QWidget* parent) : QLineEdit(parent), sample_(std::move(sample)) {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        // Only a change of the width the text needs moves the layout: most
        // results fit the sample, and a relayout of the whole window on every
        // result written would cost more than the calculation itself.
        connect(this, &QLineEdit::textChanged, this, [this] {
            const int width = textWidth();
            if (width == laidOutWidth_) return;
            laidOutWidth_ = width;
            updateGeometry();
        });
    }

    QSize sizeHint() const override {
        // The frame and margins around the text: what the line edit's own
        // hint adds to its seventeen x-widths of text.
        const QSize hint = QLineEdit::sizeHint();
        const QFontMetrics fm(font());
        const int chrome = hint.width() - 17 * fm.horizontalAdvance(QLatin1Char('x'));
        laidOutWidth_ = textWidth();
        // The caret after the last character needs room of its own.
        return {chrome + laidOutWidth_ + 2 * kCaretRoom, hint.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    /// The width of the text or the sample, whichever is longer.
    int textWidth() const {
        const QFontMetrics fm(font());
        return std::max(fm.horizontalAdvance(sample_), fm.horizontalAdvance(text()));
    }

    static constexpr int kCaretRoom = 2;
    QString sample_;
    mutable int laidOutWidth_ = -1;  ///< the text width of the last size hint
};

class Builder {
public:
    Builder(QWidget& client, SheetWidgets& widgets) : client_(client), w_(widgets) {}

    QLineEdit* field(F f, const QString& sample) {
        auto* edit = new FittingEdit(sample, &client_);
        edit->setObjectName(qtText(std::string(name(f))));
        w_.fields[idx(f)] = edit;
        return edit;
    }

    QLabel* label(L l) {
        auto* label = new QLabel(&client_);
        label->setObjectName(qtText(std::string(name(l))));
        label->setTextFormat(Qt::PlainText);
        w_.labels[idx(l)] = label;
        return label;
    }

    QLabel* unit(L l) {
        QLabel* u = label(l);
        // The column keeps its width whichever unit it shows. Every unit
        // label has the window's font: measured once.
        if (unitWidth_ < 0) {
            const QFontMetrics fm(u->font());
            for (const char* text : {"IN", "MM", "FPM", "MPS"}) {
                unitWidth_ = std::max(unitWidth_, fm.horizontalAdvance(QLatin1String(text)));
            }
        }
        u->setMinimumWidth(unitWidth_);
        return u;
    }

    OptionButton* option(O o) {
        auto* button = new OptionButton(&client_);
        button->setObjectName(qtText(std::string(name(o))));
        button->setAutoExclusive(false);
        w_.options[idx(o)] = button;
        return button;
    }

    QPushButton* button(B b) {
        auto* button = new QPushButton(&client_);
        button->setObjectName(qtText(std::string(name(b))));
        // Enter on a focused button presses that button, as on a dialog.
        button->setAutoDefault(true);
        w_.buttons[idx(b)] = button;
        return button;
    }

    QPushButton* smallButton(B b) {
        QPushButton* small = button(b);
        small->setPalette(buttonPalette(lightGreen()));
        return small;
    }

    QPushButton* largeButton(B b) {
        QPushButton* large = button(b);
        // Large at any font: some twenty x-widths by two and a half lines,
        // and never smaller than the caption needs.
        const QFontMetrics fm(large->font());
        large->setMinimumSize(21 * fm.horizontalAdvance(QLatin1Char('x')), fm.height() * 5 / 2);
        large->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        return large;
    }

    /// The five questions, each with its option pair to the right.
    QFrame* questionFrame() {
        // A plain frame: the style draws a group box's frame from a picture,
        // whose loading would hold up the first frame.
        auto* frame = new QFrame(&client_);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setObjectName(QStringLiteral("Frame1"));
        auto* grid = new QGridLayout(frame);
        grid->setHorizontalSpacing(12);
        grid->addWidget(label(screen::kQuestionsHeading), 0, 0, 1, 3);
        int row = 1;
        for (const screen::Question& q : screen::questions()) {
            grid->addWidget(label(q.question), row, 0);
            grid->addWidget(option(q.first), row, 1);
            grid->addWidget(option(q.second), row, 2);
            ++row;
        }
        grid->setColumnStretch(0, 1);
        return frame;
    }

    QVBoxLayout* largeButtons() {
        auto* column = new QVBoxLayout;
        for (B b : screen::largeButtons()) column->addWidget(largeButton(b));
        // Calculate is the default command. Not auto-default itself, it keeps
        // its default frame after it has had the focus.
        w_[screen::kDefaultButton]->setAutoDefault(false);
        w_[screen::kDefaultButton]->setDefault(true);
        column->addStretch();
        return column;
    }

    /// The maximum counterweight runby in both units, in larger boxes.
    QVBoxLayout* maxRunbyBox() {
        const screen::MaxRunbyBox& runby = screen::maxRunbyBox();
        auto* box = new QVBoxLayout;
        QLabel* caption = label(runby.caption);
        // The caption's run of blanks breaks it into two lines; see
        // fitToTexts.
        caption->setWordWrap(true);
        box->addWidget(caption);
        auto* boxes = new QHBoxLayout;
        for (auto [f, u] : runby.boxes) {
            QLineEdit* edit = field(f, kMaxRunbySample);
            QFont large = edit->font();
            if (large.pointSizeF() > 0) {
                large.setPointSizeF(large.pointSizeF() * 1.4);
            } else {
                large.setPixelSize(large.pixelSize() * 7 / 5);
            }
            edit->setFont(large);
            boxes->addWidget(edit);
            boxes->addSpacing(4);
            boxes->addWidget(unit(u));
        }
        boxes->addStretch();
        box->addLayout(boxes);
        return box;
    }

    /// The identification under its caption, a row each, both across the
    /// cell's columns: the field takes their whole width, with room for its
    /// 35 characters of ordinary text at the least.
    void identification(QGridLayout& grid, const screen::Place& at) {
        grid.addWidget(label(screen::kIdentificationCaption), at.row, at.column, 1, at.columns);
        auto* id = new QLineEdit(&client_);
        id->setObjectName(qtText(std::string(name(screen::kIdentification))));
        w_.fields[idx(screen::kIdentification)] = id;
        id->setMinimumWidth(35 * QFontMetrics(id->font()).averageCharWidth());
        id->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        grid.addWidget(id, at.row + 1, at.column, 1, at.columns);
    }

    /// What a cell holds, in its place at the natural width.
    void cell(QGridLayout& grid, const screen::Cell& c) {
        const screen::Place& at = c.wide;
        const auto add = [&](QWidget* widget) {
            grid.addWidget(widget, at.row, at.column, at.rows, at.columns);
        };
        switch (c.holds) {
            case screen::Holds::Heading:
            case screen::Holds::RowCaption:
            case screen::Holds::ColumnHeading:
                return add(label(c.element.label()));
            case screen::Holds::Field: {
                // The measured and difference columns take longer values.
                const auto column = static_cast<screen::Column>(at.column);
                const bool wide =
                    column == screen::Column::Measured || column == screen::Column::Difference;
                return add(field(c.element.field(), wide ? kMeasuredSample : kEntrySample));
            }
            case screen::Holds::Unit:
                return add(unit(c.element.label()));
            case screen::Holds::SmallButton:
                return add(smallButton(c.element.button()));
            case screen::Holds::MaxRunbyButton:
                return add(button(c.element.button()));
            case screen::Holds::MaxRunbyBox:
                return grid.addLayout(maxRunbyBox(), at.row, at.column, at.rows, at.columns);
            case screen::Holds::Identification:
                return identification(grid, at);
            case screen::Holds::Echo:
                return;  // only on a phone-wide page
        }
    }

    QGridLayout* dataBlock() {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(10);
        for (const screen::Cell& c : screen::gridCells()) {
            if (c.wide.rows > 0) cell(*grid, c);
        }
        // Rows keep their height when the governor tripping speed fields
        // come and go.
        const int rowHeight = w_[F::txtImpSpeed]->sizeHint().height();
        const auto rows = screen::gridRows();
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            if (rows[r] != screen::RowKind::Units) grid->setRowMinimumHeight(r, rowHeight);
        }
        grid->setColumnMinimumWidth(static_cast<int>(screen::Column::Gap), 16);
        return grid;
    }

private:
    QWidget& client_;
    SheetWidgets& w_;
    int unitWidth_ = -1;
};

}  // namespace

void buildWindowLayout(QWidget& client, SheetWidgets& widgets) {
    Builder build(client, widgets);

    auto* top = new QHBoxLayout;
    top->addWidget(build.questionFrame(), 1);
    top->addSpacing(16);
    top->addLayout(build.largeButtons());

    auto* content = new QVBoxLayout;
    content->addLayout(top);
    content->addSpacing(12);
    content->addLayout(build.dataBlock());

    // A larger window leaves room to the right and below: the content stays
    // together in the upper left.
    auto* across = new QHBoxLayout;
    across->addLayout(content);
    across->addStretch(1);
    auto* page = new QVBoxLayout(&client);
    page->setContentsMargins(12, 8, 12, 8);
    page->addLayout(across);
    page->addStretch(1);
    paintFixedColours(widgets);
}

void fitToTexts(const SheetWidgets& w) {
    // The maximum runby caption breaks at its run of blanks: no wider than
    // its first part.
    QLabel* caption = w[screen::maxRunbyBox().caption];
    const QString first = caption->text().section(QStringLiteral("  "), 0, 0);
    const int width = QFontMetrics(caption->font()).horizontalAdvance(first) + 2;
    caption->setMaximumWidth(width);
    caption->setMinimumSize(width, caption->heightForWidth(width));
}

void paintFixedColours(const SheetWidgets& w) {
    // The maximum runby caption is red, in a shade that reads on the
    // window's background, light or dark.
    QLabel* caption = w[screen::maxRunbyBox().caption];
    const QColor window = caption->parentWidget()->palette().color(QPalette::Window);
    QPalette red;
    red.setColor(QPalette::WindowText, readableOn(QColor(0xFF, 0x00, 0x00), window));
    caption->setPalette(red);
}

void setKeyboardOrder(const SheetWidgets& w) {
    QWidget* previous = nullptr;
    for (Element e : screen::tabOrder()) {
        QWidget* next = w.widget(e);
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

}  // namespace tarnwick
