#pragma once

#include <memory>

#include "framework/core/FolderItem.h"
#include "framework/core/String.h"

namespace fw {

// Shows the modal open-file dialog for the registered file type of that name and gives
// the chosen file; nil when the user cancels.
std::shared_ptr<FolderItem> GetOpenFolderItem(const String& fileTypeName);

// The modal message box behind MsgBox.
void ShowMessageBox(const String& text);

}  // namespace fw
