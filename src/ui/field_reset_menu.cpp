#include "ui/field_reset_menu.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace trv {
namespace {

class FieldResetMenu : public QObject {
 public:
  FieldResetMenu(QWidget* field, FieldUndo undo) : QObject(field), field_(field), undo_(std::move(undo)) {
    setObjectName(kName);
    field->installEventFilter(this);
    // A list gets its right clicks on its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(field)) area->viewport()->installEventFilter(this);
  }
  static constexpr const char* kName = "FieldResetMenu_Undo";

  bool Revert() {
    if (undo_.asLoaded()) return false;
    undo_.revert();
    return true;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto* area = qobject_cast<QAbstractScrollArea*>(field_);
    if (watched != field_ && (area == nullptr || watched != area->viewport())) return false;
    if (event->type() == QEvent::ContextMenu &&
        (undo_.byMouse || static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse)) {
      Open(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
        Open(field_->mapToGlobal(QPoint(0, field_->height())));
        return true;
      }
    }
    return false;
  }

 private:
  void Open(QPoint at) {
    auto* menu = new QMenu(field_);
    menu->setObjectName("FieldResetMenu");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(QCoreApplication::translate("trv", "Field"));
    QAction* reset =
        menu->addAction(QCoreApplication::translate("trv", "Reset to &default"), field_, [this] { undo_.reset(); });
    reset->setEnabled(!undo_.atDefault());
    QAction* revert = menu->addAction(QCoreApplication::translate("trv", "&Revert to the value in the file"), field_,
                                      [this] { undo_.revert(); });
    revert->setEnabled(!undo_.asLoaded());
    menu->popup(at);
  }

  QWidget* field_;
  FieldUndo undo_;
};

}  // namespace

void AddFieldResetMenu(QWidget* field, FieldUndo undo) { new FieldResetMenu(field, std::move(undo)); }

bool RevertField(QWidget* field) {
  for (QObject* child : field->children())
    if (child->objectName() == FieldResetMenu::kName)
      if (auto* menu = dynamic_cast<FieldResetMenu*>(child)) return menu->Revert();
  return false;
}

}  // namespace trv
