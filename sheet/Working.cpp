#include "sheet/Working.h"

#include <optional>
#include <utility>

namespace tarnwick {

std::span<const std::string> Working::shownLines() const {
    static const std::string nothing(kNothingCalculated);
    return empty() ? std::span<const std::string>(&nothing, 1) : lines();
}

void Working::clear() {
    lineCount_ = 0;
    figureCount_ = 0;
    complete_ = false;
}

std::size_t Working::add() {
    if (lineCount_ == lines_.size()) lines_.emplace_back();
    lines_[lineCount_].clear();
    return lineCount_++;
}

void Working::bind(std::size_t line, F field, std::string_view text, bool reading) {
    if (!reading) drop(field, text);
    if (figureCount_ == figures_.size()) figures_.emplace_back();
    Figure& figure = figures_[figureCount_++];
    figure.line = line;
    figure.field = field;
    figure.text.assign(text);
    figure.reading = reading;
}

void Working::states(std::size_t line, F field, std::string_view text) {
    bind(line, field, text, false);
}

void Working::reads(std::size_t line, F field, std::string_view text) {
    bind(line, field, text, true);
}

void Working::withdraw(F field) {
    drop(field, std::nullopt);
}

void Working::drop(F field, std::optional<std::string_view> now) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < figureCount_; ++i) {
        const Figure& f = figures_[i];
        const bool gone = !now || (!f.reading && f.text != *now);
        if (f.field == field && gone) continue;
        if (kept != i) std::swap(figures_[kept], figures_[i]);
        ++kept;
    }
    figureCount_ = kept;
}

}  // namespace tarnwick
