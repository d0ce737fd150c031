#include "toolkit/win32/control_classes.h"

#include "toolkit/win32/containers.h"

namespace vantric {

ControlClass ClassOf(const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::kLabel:
      // Labels keep to one line: a text too long for its label is cut, not wrapped away.
      return {
          "STATIC",
          static_cast<DWORD>(SS_NOPREFIX | (control.right_aligned ? SS_RIGHT : SS_LEFTNOWORDWRAP)),
          0};
    case ControlKind::kButton:
    case ControlKind::kPictureButton:
      return {"BUTTON", BS_OWNERDRAW, 0};
    case ControlKind::kCheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX, 0};
    case ControlKind::kGroupBox:
      return {"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::kEdit:
      return {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kMemo:
      return {"EDIT",
              ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                  (control.vertical_scroll_bar ? WS_VSCROLL : 0u),
              WS_EX_CLIENTEDGE};
    case ControlKind::kPanel:
      return {kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::kProgressBar:
      return {PROGRESS_CLASSA, 0, WS_EX_STATICEDGE};
    case ControlKind::kPicture:
      return {"STATIC", SS_OWNERDRAW, 0};
  }
  return {"STATIC", 0, 0};
}

}  // namespace vantric
