#include "export/svg_script.h"

#include "base/number_format.h"

namespace {
// Standard DOM only (ownerDocument, firstChild, nodeValue): the old plug-in methods
// (getOwnerDocument, getFirstChild, setNodeValue) do not exist in today's browsers.
constexpr const char kChangePageStart[] =
    "function ChangePage(page){if((page>=0)&&(page<_np)&&(page!=_p)){_p=page;"
    "_doc.getElementById(\"Page\"+page).setAttribute(\"visibility\",\"visible\");"
    "_po.setAttribute(\"visibility\",\"hidden\");_po=_doc.getElementById(\"Page\"+page);";
constexpr const char kPageNumberUpdate[] =
    "_doc.getElementById(\"_pn_\").firstChild.nodeValue=page+1;";
constexpr const char kChangePageEnd[] = "}}\n";

// Keys are only taken without Ctrl, Alt or Meta so that the browser's own shortcuts
// (Alt+Left for back, Ctrl+End, ...) keep working. The older key names are those of
// engines that predate KeyboardEvent.key's current values.
constexpr const char kKeyHandler[] =
    "function onKey(e){if(e.ctrlKey||e.altKey||e.metaKey)return;var p;switch(e.key){"
    "case \"ArrowRight\":case \"Right\":case \"ArrowDown\":case \"Down\":"
    "case \" \":case \"Spacebar\":case \"PageDown\":p=_p+1;break;"
    "case \"ArrowLeft\":case \"Left\":case \"ArrowUp\":case \"Up\":"
    "case \"PageUp\":p=_p-1;break;"
    "case \"Home\":p=0;break;case \"End\":p=_np-1;break;"
    "default:return;}e.preventDefault();ChangePage(p);}\n";
}  // namespace

void AppendSVGScript(std::string& out, int slideCount, bool fullScreen) {
  out.append("<script language=\"JavaScript\"><![CDATA[\nvar _doc;var _p=0;var _po;\nvar _np=");
  AppendInt(out, slideCount);
  // The key listener is added once the document is there, so no key can reach
  // ChangePage before _po is set.
  out.append(
      ";\nfunction onInit(e){_doc=e.target.ownerDocument;_po=_doc.getElementById(\"Page0\");"
      "_doc.addEventListener(\"keydown\",onKey);}\n");
  out.append(kChangePageStart);
  if (!fullScreen) out.append(kPageNumberUpdate);
  out.append(kChangePageEnd);
  out.append(kKeyHandler);
  out.append("]]></script>\n");
}
