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

// Columns of the data block.
enum Column {
    kCaption,
    kImperial,
    kImperialUnit,
    kBetweenUnits,
    kMetric,
    kMetricUnit,
    kGap,
    kMeasured,
    kMeasuredUnit,
    kDifference,
    kDifferenceUnit,
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
        grid->addWidget(label(L::Label1), 0, 0, 1, 3);
        const struct {
            L question;
            O first, second;
        } rows[] = {
            {L::Label21, O::opt1996, O::opt2000},
            {L::Label2, O::optOil, O::optSpring},
            {L::Label3, O::optCompYes, O::optCompNo},
            {L::Label4, O::optTieDownYes, O::optTieDownNo},
            {L::Label14, O::optReducedYes, O::optReducedNo},
        };
        int row = 1;
        for (const auto& r : rows) {
            grid->addWidget(label(r.question), row, 0);
            grid->addWidget(option(r.first), row, 1);
            grid->addWidget(option(r.second), row, 2);
            ++row;
        }
        grid->setColumnStretch(0, 1);
        return frame;
    }

    QVBoxLayout* largeButtons() {
        auto* column = new QVBoxLayout;
        for (B b : {B::cmdCalculate, B::cmdClearAll, B::cmdDefault, B::cmdExit}) {
            column->addWidget(largeButton(b));
        }
        // Calculate is the default command. Not auto-default itself, it keeps
        // its default frame after it has had the focus.
        w_[B::cmdCalculate]->setAutoDefault(false);
        w_[B::cmdCalculate]->setDefault(true);
        column->addStretch();
        return column;
    }

    /// The maximum counterweight runby in both units, in larger boxes.
    QVBoxLayout* maxRunbyBox() {
        auto* box = new QVBoxLayout;
        QLabel* caption = label(L::Label40);
        // The caption's run of blanks breaks it into two lines; see
        // fitToTexts.
        caption->setWordWrap(true);
        box->addWidget(caption);
        auto* boxes = new QHBoxLayout;
        for (auto [f, u] : {std::pair{F::txtImpMaxRunby, labelDim(4)},
                            std::pair{F::txtMetMaxRunby, labelDim(9)}}) {
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

    /// A row of an entry or result: caption, imperial field and unit,
    /// metric field and unit.
    void quantityRow(QGridLayout& grid, int row, L caption, F imperial, L imperialUnit, F metric,
                     L metricUnit) {
        grid.addWidget(label(caption), row, kCaption);
        grid.addWidget(field(imperial, kEntrySample), row, kImperial);
        grid.addWidget(unit(imperialUnit), row, kImperialUnit);
        grid.addWidget(field(metric, kEntrySample), row, kMetric);
        grid.addWidget(unit(metricUnit), row, kMetricUnit);
    }

    /// The measured and difference fields of a clearance row.
    void clearanceColumns(QGridLayout& grid, int row, F measured, L measuredUnit, F difference,
                          L differenceUnit) {
        grid.addWidget(field(measured, kMeasuredSample), row, kMeasured);
        grid.addWidget(unit(measuredUnit), row, kMeasuredUnit);
        grid.addWidget(field(difference, kMeasuredSample), row, kDifference);
        grid.addWidget(unit(differenceUnit), row, kDifferenceUnit);
    }

    QGridLayout* dataBlock() {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(10);

        grid->addWidget(label(L::Label35), 0, kCaption);
        grid->addWidget(smallButton(B::cmdImperial), 0, kImperial);
        grid->addWidget(smallButton(B::cmdClearMet), 0, kBetweenUnits);
        grid->addWidget(smallButton(B::cmdMetric), 0, kMetric);
        grid->addLayout(maxRunbyBox(), 0, kMeasured, 3, 4);

        quantityRow(*grid, 1, L::Label37, F::txtImpGovTrip, L::Label36, F::txtMetGovTrip,
                    L::Label34);
        quantityRow(*grid, 2, L::Label5, F::txtImpSpeed, L::Label8, F::txtMetSpeed, L::Label11);
        quantityRow(*grid, 3, L::Label6, F::txtImpRunby, L::Label9, F::txtMetRunby, L::Label12);
        quantityRow(*grid, 4, L::Label20, F::txtImpRunbyCar, L::Label19, F::txtMetRunbyCar,
                    L::Label18);
        quantityRow(*grid, 5, L::Label7, F::txtImpStroke, L::Label10, F::txtMetStroke, L::Label13);
        quantityRow(*grid, 6, L::Label15, F::txtImpMinStroke, L::Label32, F::txtMetMinStroke,
                    L::Label33);
        quantityRow(*grid, 7, L::Label31, F::txtImpMaxJump, L::Label30, F::txtMetMaxJump,
                    L::Label29);

        // The identification and Max Runby stand above the measured column.
        grid->addWidget(label(L::Label16), 3, kMeasured, 1, 4);
        // The identification takes the whole width above the measured and
        // difference columns, room for its 35 characters of ordinary text.
        auto* id = new QLineEdit(&client_);
        id->setObjectName(qtText(std::string(name(F::txtID))));
        w_.fields[idx(F::txtID)] = id;
        id->setMinimumWidth(35 * QFontMetrics(id->font()).averageCharWidth());
        id->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        grid->addWidget(id, 4, kMeasured, 1, 4);
        grid->addWidget(button(B::cmdMaxRunby), 5, kMeasured, 1, 2);
        grid->addWidget(smallButton(B::cmdClearMea), 7, kMeasured);

        grid->addWidget(label(L::Label28), 8, kCaption);
        grid->addWidget(label(L::Label49), 8, kMeasured, 1, 2);
        grid->addWidget(label(L::Label50), 8, kDifference, 1, 2);

        const struct {
            L caption;
            F imperial, metric, measured, difference;
            int imperialUnit, metricUnit, measuredUnit, differenceUnit;
        } clearances[] = {
            {L::Label24, F::txtImpMinCrosshead, F::txtMetMinCrosshead, F::txtCrossMea,
             F::txtDifCross, 0, 5, 10, 14},
            {L::Label23, F::txtImpMinRefuge, F::txtMetMinRefuge, F::txtRefugeMea, F::txtDifRefuge,
             1, 6, 11, 15},
            {L::Label22, F::txtImpMinShoes, F::txtMetMinShoes, F::txtShoesMea, F::txtDifShoes, 2, 7,
             12, 16},
            {L::Label27, F::txtImpMinObstruct, F::txtMetMinObstruct, F::txtObstructMea,
             F::txtDifObstruct, 3, 8, 13, 17},
            {L::Label17, F::txtImpMinCwtObstruct, F::txtMetMinCwtObstruct, F::txtCwtMea,
             F::txtDifCwt, 20, 21, 18, 19},
        };
        int row = 9;
        for (const auto& c : clearances) {
            quantityRow(*grid, row, c.caption, c.imperial, labelDim(c.imperialUnit), c.metric,
                        labelDim(c.metricUnit));
            clearanceColumns(*grid, row, c.measured, labelDim(c.measuredUnit), c.difference,
                             labelDim(c.differenceUnit));
            ++row;
        }
        // Rows keep their height when the governor tripping speed fields
        // come and go.
        const int rowHeight = w_[F::txtImpSpeed]->sizeHint().height();
        for (int r = 1; r < row; ++r) grid->setRowMinimumHeight(r, rowHeight);
        grid->setColumnMinimumWidth(kGap, 16);
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
    QLabel* caption = w[L::Label40];
    const QString first = caption->text().section(QStringLiteral("  "), 0, 0);
    const int width = QFontMetrics(caption->font()).horizontalAdvance(first) + 2;
    caption->setMaximumWidth(width);
    caption->setMinimumSize(width, caption->heightForWidth(width));
}

void paintFixedColours(const SheetWidgets& w) {
    // The maximum runby caption is red, in a shade that reads on the
    // window's background, light or dark.
    QLabel* caption = w[L::Label40];
    const QColor window = caption->parentWidget()->palette().color(QPalette::Window);
    QPalette red;
    red.setColor(QPalette::WindowText, readableOn(QColor(0xFF, 0x00, 0x00), window));
    caption->setPalette(red);
}

void setKeyboardOrder(const SheetWidgets& w) {
    const Element order[] = {
        F::txtImpGovTrip,
        F::txtImpSpeed,
        F::txtImpRunby,
        F::txtImpRunbyCar,
        F::txtImpStroke,
        F::txtMetGovTrip,
        F::txtMetSpeed,
        F::txtMetRunby,
        F::txtMetRunbyCar,
        F::txtMetStroke,
        F::txtCrossMea,
        F::txtRefugeMea,
        F::txtShoesMea,
        F::txtObstructMea,
        F::txtCwtMea,
        B::cmdCalculate,
        B::cmdClearAll,
        B::cmdDefault,
        B::cmdExit,
        F::txtID,
        O::opt1996,
        O::opt2000,
        B::cmdMaxRunby,
        // The buffer questions come last, so the keyboard reaches them too.
        O::optOil,
        O::optSpring,
        O::optCompYes,
        O::optCompNo,
        O::optTieDownYes,
        O::optTieDownNo,
        O::optReducedYes,
        O::optReducedNo,
    };
    QWidget* previous = nullptr;
    for (Element e : order) {
        QWidget* next = w.widget(e);
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

}  // namespace tarnwick
