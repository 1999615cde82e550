#include "ui/HeadlessPrinter.h"

namespace tarnwick {

void HeadlessPrinter::printLine(const LineItems& items) {
    if (failAt_ && static_cast<int>(current_.size()) + 1 == *failAt_) {
        failAt_.reset();
        current_.clear();
        throw PrintFailure("the printer is out of paper");
    }
    current_.push_back({fontSize(), bold(), items});
}

void HeadlessPrinter::printWindowPicture() {
    if (failPicture_) {
        failPicture_ = false;
        throw PrintFailure("the printer is out of paper");
    }
    ++pictures_;
}

void HeadlessPrinter::endDocument() {
    ++documents_;
    last_ = std::move(current_);
    current_.clear();
}

}  // namespace tarnwick
