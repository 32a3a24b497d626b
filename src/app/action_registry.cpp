#include "app/action_registry.h"

#include <QAction>
#include <QMenu>

QAction* ActionRegistry::Register(const QString& id, const QString& caption,
                                  const QKeySequence& shortcut, const QString& hint) {
  auto* action = new QAction(caption, owner_);
  action->setObjectName(id);
  action->setShortcut(shortcut);
  const int bar = hint.indexOf(QLatin1Char('|'));
  action->setToolTip(bar < 0 ? hint : hint.left(bar));
  action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
  action->setIconText(action->toolTip());
  action->setEnabled(false);
  actions_[id] = action;
  allowed_[id] = true;
  return action;
}

QAction* ActionRegistry::Action(const QString& id) const {
  QAction* action = actions_.value(id);
  Q_ASSERT_X(action, "ActionRegistry::Action", qPrintable(id));
  return action;
}

void ActionRegistry::Connect(const QString& id, std::function<void()> command) {
  QAction* action = Action(id);
  QObject::connect(action, &QAction::triggered, action, [command] { command(); });
  connected_[id] = true;
  Apply(id);
}

void ActionRegistry::Allow(const QString& id, bool allowed) {
  allowed_[id] = allowed;
  Apply(id);
}

void ActionRegistry::Apply(const QString& id) {
  Action(id)->setEnabled(allowed_.value(id, true) && connected_.value(id, false));
}

void ActionRegistry::Fill(QMenu* menu, const QStringList& ids) const {
  for (const QString& id : ids) {
    if (id == QLatin1String("-"))
      menu->addSeparator();
    else
      menu->addAction(Action(id));
  }
}
