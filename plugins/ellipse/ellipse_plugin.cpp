// The sample plug-in: registers the ellipse kind under the next free class ID and adds
// "&Ellipse" to the designer's Insert menu.
#include <QAction>
#include <QMenu>
#include <algorithm>
#include <cstring>
#include <typeindex>

#include "app/action_ids.h"
#include "app/main_window.h"
#include "ellipse.h"
#include "model/quarrion_canvas.h"
#include "quarrion/plugin.h"
#include "storage/lookup_table_manager.h"

namespace {
constexpr char kName[] = "Ellipse";

// A new ellipse near the top-left of the page, selected, like a placed stencil.
void InsertEllipse(MainWindow& window) {
  TQuarrionCanvas& canvas = window.WorkArea();
  auto ellipse = std::make_unique<TPDFEllipse>(40, 40, 160, 120);
  ellipse->FillColour = 0xF0D8B0;
  TPDFObject* added = canvas.Add(std::move(ellipse));
  canvas.ClearSelectionQuietly();
  canvas.AddToSelection(canvas.GetObjectIndex(added, canvas.Page()));
  window.SetModified(true);
  window.ApplyEnabling();
  canvas.Repaint();
}
}  // namespace

QUARRION_PLUGIN_VERSION

extern "C" QUARRION_PLUGIN_EXPORT void GetPluginInfo(unsigned char* info) {
  std::memset(info, 0, QUARRION_PLUGIN_INFO_SIZE);
  info[0] = static_cast<unsigned char>(std::strlen(kName));
  std::memcpy(info + 1, kName, std::strlen(kName));
}

extern "C" QUARRION_PLUGIN_EXPORT void SetForm(MainWindow* form) {
  if (!form) return;  // quarrion-cli has no window
  QMenu* insert = form->Actions().Menu(QString::fromLatin1(MenuId::Insert));
  if (!insert) return;
  insert->addSeparator();
  QAction* entry = insert->addAction(QStringLiteral("&Ellipse"));
  entry->setObjectName(QStringLiteral("plugin.ellipse.insert"));
  entry->setStatusTip(QStringLiteral("Add an ellipse to the page"));
  QObject::connect(entry, &QAction::triggered, form, [form] { InsertEllipse(*form); });
  insert->menuAction()->setVisible(true);
}

extern "C" QUARRION_PLUGIN_EXPORT void SetLookupTableManager(TLookupTableManager* registry) {
  if (!registry) return;
  int last = 0;
  for (const auto& entry : registry->Table()) {
    if (entry.Type == std::type_index(typeid(TPDFEllipse))) return;  // registered already
    last = std::max(last, entry.ID);
  }
  if (last >= 255) return;  // no ID left; 255 means "unregistered" to the registry
  TPDFEllipse::RegisteredID = static_cast<std::uint8_t>(last + 1);
  registry->Register(TPDFEllipse::RegisteredID, std::type_index(typeid(TPDFEllipse)),
                     [](int l, int t, int r, int b) { return std::make_unique<TPDFEllipse>(l, t, r, b); });
}
