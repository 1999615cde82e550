#include "ui/Grid.h"

#include <array>
#include <vector>

#include "ui/Screen.h"

namespace tarnwick::screen {

namespace {

/// A place at the natural width.
constexpr Place at(int row, Column column, int columns = 1, int rows = 1) {
    return {row, static_cast<int>(column), rows, columns};
}
/// No place at the natural width: the cell shows only on a phone.
constexpr Place kPhoneOnly{0, 0, 0, 0};

/// Lays the cells out in reading order. The phone rows follow that order: a
/// caption takes a row of its own, the fields after it share the next.
class GridBuilder {
public:
    /// The cells that follow are read with the line of grid row `row`; -1:
    /// each on its own.
    void readWith(int row) { line_ = row; }
    /// A cell at `wide` and, on a phone, in the current row from `column`.
    void add(Holds holds, Element e, Place wide, int column, int columns = 1) {
        cells_.push_back({holds, e, wide, {phoneRow_, column, 1, columns}, line_});
    }
    /// A cell across a phone row of its own.
    void addAlone(Holds holds, Element e, Place wide) {
        add(holds, e, wide, 0, kNarrowColumnCount);
        nextPhoneRow();
    }
    void nextPhoneRow() { ++phoneRow_; }

    /// An entry or result row: the caption, then the twins with their units.
    void quantityRow(int row, const QuantityRow& r) {
        readWith(row);
        addAlone(Holds::RowCaption, r.caption, at(row, Column::Caption));
        add(Holds::Field, r.imperial, at(row, Column::Imperial), 0);
        add(Holds::Unit, r.imperialUnit, at(row, Column::ImperialUnit), 1);
        add(Holds::Field, r.metric, at(row, Column::Metric), 2);
        add(Holds::Unit, r.metricUnit, at(row, Column::MetricUnit), 3);
        nextPhoneRow();
    }

    std::vector<Cell> cells() && { return std::move(cells_); }

private:
    std::vector<Cell> cells_;
    int phoneRow_ = 0;
    int line_ = -1;
};

/// Where the grid's rows begin: the unit row, the entries, the results, the
/// clearances' headings and the clearances.
struct Rows {
    int units = 0;
    int firstEntry = units + 1;
    int firstResult = firstEntry + static_cast<int>(entryRows().size());
    int headings = firstResult + static_cast<int>(resultRows().size());
    int firstClearance = headings + 1;
    int count = firstClearance + static_cast<int>(clearanceRows().size());
};

std::vector<Cell> layOut() {
    const Rows rows;
    GridBuilder grid;
    // The unit buttons, over the imperial column, between the columns and
    // over the metric column; on a phone the last one takes the rest of
    // its row.
    const UnitRow& units = unitRow();
    grid.readWith(rows.units);
    grid.addAlone(Holds::Heading, units.caption, at(rows.units, Column::Caption));
    grid.add(Holds::SmallButton, units.buttons[0], at(rows.units, Column::Imperial), 0);
    grid.add(Holds::SmallButton, units.buttons[1], at(rows.units, Column::BetweenUnits), 1);
    grid.add(Holds::SmallButton, units.buttons[2], at(rows.units, Column::Metric), 2, 2);
    grid.nextPhoneRow();

    int row = rows.firstEntry;
    for (const QuantityRow& r : entryRows()) grid.quantityRow(row++, r);
    for (const QuantityRow& r : resultRows()) grid.quantityRow(row++, r);
    const ClearanceHeadings& heads = clearanceHeadings();
    grid.readWith(rows.headings);
    grid.addAlone(Holds::RowCaption, heads.rows, at(rows.headings, Column::Caption));
    row = rows.firstClearance;
    for (const ClearanceRow& r : clearanceRows()) grid.quantityRow(row++, r.quantity);

    // The measured clearances with their differences: beside the minimums
    // at the natural width, a group of their own below them on a phone. Its
    // Clear button stands directly above the measured column.
    grid.readWith(-1);
    grid.add(Holds::SmallButton, kClearMeasured, at(rows.headings - 1, Column::Measured), 0);
    grid.nextPhoneRow();
    grid.readWith(rows.headings);
    grid.add(Holds::ColumnHeading, heads.measured, at(rows.headings, Column::Measured, 2), 0, 2);
    grid.add(Holds::ColumnHeading, heads.difference, at(rows.headings, Column::Difference, 2), 2,
             2);
    grid.nextPhoneRow();
    row = rows.firstClearance;
    for (const ClearanceRow& r : clearanceRows()) {
        grid.readWith(row);
        grid.addAlone(Holds::Echo, r.quantity.caption, kPhoneOnly);
        grid.add(Holds::Field, r.measured, at(row, Column::Measured), 0);
        grid.add(Holds::Unit, r.measuredUnit, at(row, Column::MeasuredUnit), 1);
        grid.add(Holds::Field, r.difference, at(row, Column::Difference), 2);
        grid.add(Holds::Unit, r.differenceUnit, at(row, Column::DifferenceUnit), 3);
        grid.nextPhoneRow();
        ++row;
    }

    // To the right of the entries, above the measured column: the maximum
    // runby box, the identification under it and Max Runby below that; on
    // a phone after the clearances.
    grid.readWith(-1);
    grid.addAlone(Holds::MaxRunbyBox, maxRunbyBox().caption, at(0, Column::Measured, 4, 3));
    grid.add(Holds::MaxRunbyButton, kMaxRunbyButton, at(5, Column::Measured, 2), 0, 2);
    grid.nextPhoneRow();
    grid.addAlone(Holds::Identification, kIdentification, at(3, Column::Measured, 4, 2));
    return std::move(grid).cells();
}

}  // namespace

std::span<const Cell> gridCells() {
    static const std::vector<Cell> cells = layOut();
    return cells;
}

std::span<const RowKind> gridRows() {
    static const std::vector<RowKind> kinds = [] {
        const Rows rows;
        std::vector<RowKind> out;
        for (int r = 0; r < rows.count; ++r) {
            out.push_back(r < rows.firstEntry       ? RowKind::Units
                          : r < rows.firstResult    ? RowKind::Entry
                          : r < rows.headings       ? RowKind::Result
                          : r < rows.firstClearance ? RowKind::Headings
                                                    : RowKind::Clearance);
        }
        return out;
    }();
    return kinds;
}

std::string_view columnName(Column c) {
    static constexpr std::array<std::string_view, kColumnCount> kNames{
        "caption", "imperial", "imperialUnit", "between",    "metric",         "metricUnit",
        "gap",     "measured", "measuredUnit", "difference", "differenceUnit",
    };
    return kNames[static_cast<int>(c)];
}

std::string_view rowKindName(RowKind kind) {
    static constexpr std::array<std::string_view, 5> kNames{"units", "entry", "result", "headings",
                                                            "clearance"};
    return kNames[static_cast<int>(kind)];
}

std::string_view holdsName(Holds holds) {
    static constexpr std::array<std::string_view, 10> kNames{
        "heading",     "rowCaption",     "columnHeading", "field",          "unit",
        "smallButton", "maxRunbyButton", "maxRunbyBox",   "identification", "echo",
    };
    return kNames[static_cast<int>(holds)];
}

}  // namespace tarnwick::screen
