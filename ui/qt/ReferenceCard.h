// A page of the reference card: the formulas and tables of the Formulas &
// Info menu in a fixed-pitch font, so that their columns of blanks line up,
// and in a box as wide as their longest line, so that no formula is broken;
// and the working of the last calculation, read line by line.
#pragma once

#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QStringList>
#include <string>

#include "sheet/Platform.h"

namespace tarnwick {

class ReferenceCard : public QDialog {
public:
    /// A modal box with the message's title, text and icon and an OK button.
    ReferenceCard(const Message& message, QWidget* parent);

    /// The label that shows the text; none where the card is read line by
    /// line.
    QLabel* textLabel() const { return text_; }

private:
    QLabel* text_ = nullptr;
};

/// The lines of a card as shown (Reference::cardLines).
QStringList cardLines(const Message& card);

/// The fixed-pitch font of the card, as large as the desktop's font.
QFont cardFont();

}  // namespace tarnwick
