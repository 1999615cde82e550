#include "ui/qt/ReferenceCard.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "info/Reference.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

namespace {

// Room a window manager takes beside a title for its icon and buttons.
constexpr int kTitleRoom = 160;

}  // namespace

QStringList cardLines(const Message& card) {
    QStringList lines;
    for (const std::string& line : Reference::cardLines(card))
        lines << QString::fromStdString(line);
    return lines;
}

QFont cardFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        // A desktop without a theme names no fixed font of its own.
        font.setFamilies({QStringLiteral("monospace"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Liberation Mono")});
        font.setStyleHint(QFont::TypeWriter);
    }
    font.setFixedPitch(true);
    const QFont desktop = QApplication::font();
    if (desktop.pointSizeF() > 0) {
        font.setPointSizeF(desktop.pointSizeF());
    } else if (desktop.pixelSize() > 0) {
        font.setPixelSize(desktop.pixelSize());
    }
    return font;
}

namespace {

// Room for `wanted` on the screen of `parent`, the dialog's frame and
// buttons beside it.
QSize onScreen(QSize wanted, const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? wanted.boundedTo(screen->availableGeometry().size() - QSize(120, 160)) : wanted;
}

// A card read line by line: a read-only text the keyboard's caret moves
// through a line at a time, as a screen reader follows it, that selects
// and copies; a line too long for the box wraps.
QPlainTextEdit* linesView(const Message& message, const QWidget* parent) {
    auto* view = new QPlainTextEdit;
    view->setObjectName(QStringLiteral("cardLines"));
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setFont(cardFont());
    view->setPlainText(cardLines(message).join(QLatin1Char('\n')));
    view->setAccessibleName(QString::fromStdString(message.title));
    const QFontMetrics metrics(view->font());
    view->setMinimumSize(
        onScreen(QSize(metrics.horizontalAdvance(QLatin1Char('0')) * (Reference::kCardColumns + 2),
                       metrics.lineSpacing() * (view->blockCount() + 6)),
                 parent));
    return view;
}

}  // namespace

ReferenceCard::ReferenceCard(const Message& message, QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QString::fromStdString(message.title));
    QWidget* shown = nullptr;
    if (message.lineByLine) {
        shown = linesView(message, parent);
    } else {
        text_ = new QLabel(cardLines(message).join(QLatin1Char('\n')));
        text_->setObjectName(QStringLiteral("cardText"));
        text_->setTextFormat(Qt::PlainText);
        text_->setWordWrap(false);
        text_->setFont(cardFont());
        text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text_->resize(text_->sizeHint());
        // Fonts too large for the screen scroll rather than break a line.
        auto* scroll = new QScrollArea;
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(text_);
        scroll->setMinimumSize(onScreen(text_->size(), parent));
        shown = scroll;
    }

    auto* body = new QHBoxLayout;
    if (message.icon == Icon::Information) {
        auto* icon = new QLabel;
        icon->setObjectName(QStringLiteral("cardIcon"));
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()
                            ->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this)
                            .pixmap(size, size));
        body->addWidget(icon, 0, Qt::AlignTop);
        body->addSpacing(12);
    }
    body->addWidget(shown, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* page = new QVBoxLayout(this);
    page->addLayout(body);
    page->addWidget(buttons);

    // The whole title stays readable in the window's title bar.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    setMinimumWidth(
        std::max(page->totalMinimumSize().width(),
                 QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleRoom));
}

}  // namespace tarnwick
