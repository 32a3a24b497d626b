#include "app/tooltip_gate.h"

#include <QEvent>

bool TooltipGate::eventFilter(QObject* watched, QEvent* event) {
  if (!shown_ && event->type() == QEvent::ToolTip) return true;
  return QObject::eventFilter(watched, event);
}
