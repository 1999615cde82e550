#include "ui/HeadlessPrinter.h"

namespace tarnwick {

void HeadlessPrinter::printLine(const LineItems& items) {
    if (failAt_ && static_cast<int>(current_.size()) + 1 == *failAt_) {
        failAt_.reset();
        throw PrintFailure("the printer is out of paper");
    }
    current_.push_back({fontSize_, bold_, items});
}

void HeadlessPrinter::endDocument() {
    ++documents_;
    last_ = std::move(current_);
    current_.clear();
}

}  // namespace tarnwick
