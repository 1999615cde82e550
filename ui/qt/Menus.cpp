#include "ui/qt/Menus.h"

#include <QKeySequence>
#include <QMenu>
#include <array>

namespace tarnwick {

void buildMenus(const Sheet& sheet, QMenuBar& bar, SheetWidgets& widgets) {
    // The catalogue lists every item after its parent, children in order.
    std::array<QMenu*, kMenuCount> menus{};
    for (int i = 0; i < kMenuCount; ++i) {
        const M m = static_cast<M>(i);
        const MenuElement& item = sheet.menu(m);
        const QString caption = qtText(item.caption);
        if (item.topLevel) {
            menus[i] = bar.addMenu(caption);
            menus[i]->setObjectName(qtText(std::string(name(m))));
            continue;
        }
        QMenu* parent = menus[idx(item.parent)];
        if (!parent) continue;
        if (caption == QLatin1String("-")) {
            parent->addSeparator();
        } else if (item.leaf) {
            QAction* action = parent->addAction(caption);
            action->setObjectName(qtText(std::string(name(m))));
            if (!item.shortcut.empty()) {
                action->setShortcut(
                    QKeySequence(qtText(item.shortcut), QKeySequence::PortableText));
            }
            widgets.actions[i] = action;
        } else {
            menus[i] = parent->addMenu(caption);
            menus[i]->setObjectName(qtText(std::string(name(m))));
        }
    }
}

}  // namespace tarnwick
