#pragma once

#include <memory>

#include "framework/core/FileType.h"

// The file types the open-file dialog is given by name.
namespace FileTypes {

// "special/any": every file, whatever its name. Registered from start-up to shutdown.
extern std::shared_ptr<fw::FileType> pSpecialAny;

void _Initialize();

}  // namespace FileTypes
