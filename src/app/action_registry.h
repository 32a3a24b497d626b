#pragma once

#include <QKeySequence>
#include <QMap>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QObject;

// Every command of the main window is one QAction, registered once by id and shared by
// the menu bar, the toolbar and the context menus, which only list ids. An action is
// enabled when its command has been connected and the window's rules allow it, so a
// command that is not built yet stays visible and disabled.
class ActionRegistry {
 public:
  explicit ActionRegistry(QObject* owner) : owner_(owner) {}

  // `hint` is "short|long": the short part is the tooltip, the long part the status text.
  QAction* Register(const QString& id, const QString& caption, const QKeySequence& shortcut,
                    const QString& hint);
  QAction* Action(const QString& id) const;
  bool Contains(const QString& id) const { return actions_.contains(id); }
  const QMap<QString, QAction*>& All() const { return actions_; }

  // Runs `command` when the action is triggered.
  void Connect(const QString& id, std::function<void()> command);
  bool Connected(const QString& id) const { return connected_.contains(id); }
  // What the window's rules say; the action is enabled when it is also connected.
  void Allow(const QString& id, bool allowed);

  void RegisterMenu(const QString& id, QMenu* menu) { menus_[id] = menu; }
  QMenu* Menu(const QString& id) const { return menus_.value(id); }
  // Appends the actions of `ids` to `menu`; "-" is a separator.
  void Fill(QMenu* menu, const QStringList& ids) const;

 private:
  void Apply(const QString& id);

  QObject* owner_;
  QMap<QString, QAction*> actions_;
  QMap<QString, QMenu*> menus_;
  QMap<QString, bool> allowed_;
  QMap<QString, bool> connected_;
};
