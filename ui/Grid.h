// The data block's grid as every front end lays it out: each cell with what
// it holds, where it stands at the sheet's natural width and where it goes on
// a phone-wide screen, where the block is one column of groups.
#pragma once

#include <span>
#include <string_view>

#include "sheet/Sheet.h"

namespace tarnwick::screen {

/// The columns of the data block at its natural width, left to right: the
/// row captions, the imperial twin and its unit, the unit buttons' middle
/// column, the metric twin and its unit, a gap, then the measured and
/// difference fields with their units.
enum class Column {
    Caption,
    Imperial,
    ImperialUnit,
    BetweenUnits,
    Metric,
    MetricUnit,
    Gap,
    Measured,
    MeasuredUnit,
    Difference,
    DifferenceUnit,
};
inline constexpr int kColumnCount = 11;
/// The column's name in the front ends' own words ("imperial",
/// "measuredUnit").
std::string_view columnName(Column c);

/// On a phone-wide screen the block has four columns: a field and its unit,
/// then its twin and the twin's unit. A caption spans all four, above its
/// fields.
inline constexpr int kNarrowColumnCount = 4;

/// What a cell holds, which decides how it is made and how it looks.
enum class Holds {
    Heading,         ///< the caption of the unit row
    RowCaption,      ///< a row's caption, or the clearances' heading
    ColumnHeading,   ///< the heading over the measured or the difference column
    Field,           ///< an entry, result, measured or difference field
    Unit,            ///< the unit beside a field
    SmallButton,     ///< a light green button: the units' and Clear measured
    MaxRunbyButton,  ///< the Max Runby command
    MaxRunbyBox,     ///< the maximum counterweight runby box (maxRunbyBox())
    Identification,  ///< the identification under its caption, a row each
    Echo,            ///< a row's caption again, over its measured fields on a phone
};

/// A cell's place: rows and columns count from 0.
struct Place {
    int row = 0;
    int column = 0;
    int rows = 1;
    int columns = 1;
};

struct Cell {
    Holds holds;
    /// The field, label or button; the caption of the maximum runby box, the
    /// field of the identification, the caption an echo repeats.
    Element element;
    /// At the natural width; no rows where the cell shows only on a phone.
    Place wide;
    /// On a phone-wide screen: always one row.
    Place narrow;
    /// The row of the grid whose line of the sheet the cell is read with,
    /// its caption first; -1 for a cell that stands on its own.
    int line = -1;
};

/// Every cell of the data block, in the order the sheet is read: row by row,
/// the measured clearances after the other columns, then the maximum runby
/// box, Max Runby and the identification. This is also their order on a
/// phone, top to bottom.
std::span<const Cell> gridCells();

/// What a row of the grid is: the units, an entry, a result, the clearances'
/// headings or a clearance.
enum class RowKind { Units, Entry, Result, Headings, Clearance };
/// Every row of the grid, top to bottom.
std::span<const RowKind> gridRows();
std::string_view rowKindName(RowKind kind);
/// What a cell holds, in the front ends' own words ("rowCaption").
std::string_view holdsName(Holds holds);

}  // namespace tarnwick::screen
