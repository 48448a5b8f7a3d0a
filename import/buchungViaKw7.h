#pragma once

#include <memory>

#include "framework/core/Array.h"
#include "framework/core/Variant.h"

// Hands one booking, eight values, to the booking script of the application bundle.
void buchungViaKw7(const std::shared_ptr<fw::Array<fw::Variant>>& buchung_werte);
