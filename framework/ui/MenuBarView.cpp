#include "framework/ui/MenuBarView.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "framework/ui/EventDispatch.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/QtText.h"

namespace fw {

namespace {

void ConnectAction(QAction& action, const std::shared_ptr<MenuItem>& item) {
    std::weak_ptr<MenuItem> weakItem = item;
    QObject::connect(&action, &QAction::triggered, [weakItem] {
        RunEventHandler([&] {
            if (auto chosen = weakItem.lock()) chosen->Event_Action();
        });
    });
}

void AddEntry(QWidget& parent, const std::shared_ptr<MenuItem>& item);

// A menu opens whether its own entry is enabled or not.
void AddMenu(QWidget& parent, const std::shared_ptr<MenuItem>& item) {
    auto* menu = new QMenu(MnemonicFree(item->Text()), &parent);
    menu->setObjectName(ToQString(item->Name()));
    for (int index = 0; index < item->Count(); ++index) AddEntry(*menu, item->Item(index));
    parent.addAction(menu->menuAction());
}

void AddEntry(QWidget& parent, const std::shared_ptr<MenuItem>& item) {
    if (item->Count() > 0) return AddMenu(parent, item);
    auto* action = new QAction(&parent);
    action->setObjectName(ToQString(item->Name()));
    if (item->Text() == String("-")) {
        // Without a text: a separator that has one is drawn with it, as a heading.
        action->setSeparator(true);
    } else {
        action->setText(MnemonicFree(item->Text()));
        action->setShortcut(QKeySequence(KeySequenceText(ToQString(item->KeyboardShortcut()))));
        action->setEnabled(item->AutoEnable());
        ConnectAction(*action, item);
    }
    parent.addAction(action);
}

}  // namespace

QString KeySequenceText(const QString& shortcut) {
    QString text = shortcut;
    return text.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"), Qt::CaseInsensitive);
}

void ShowMenuBar(QMainWindow& window, const MenuBar& bar) {
    auto* view = new QMenuBar;
    view->setNativeMenuBar(false);
    for (int index = 0; index < bar.Count(); ++index) AddEntry(*view, bar.Item(index));
    window.setMenuBar(view);
}

}  // namespace fw
