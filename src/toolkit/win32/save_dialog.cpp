#include "toolkit/win32/save_dialog.h"

#include <vector>

namespace vantric {

std::optional<std::string> RunSaveDialog(HWND owner, const SaveDialogSettings& settings) {
  std::vector<char> name(MAX_PATH, '\0');
  settings.initial_name.copy(name.data(), name.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = settings.title.c_str();
  dialog.lpstrDefExt = settings.default_extension.c_str();
  // An existing file is taken without asking: the log is appended to. The program's current
  // folder stays where it was, so that a relative log name typed later means what it did.
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(name.data());
}

}  // namespace vantric
