#pragma once

#include "platform/classlib/extension_module.h"

// Inside the class library: takes the registration objects made from record
// off the chain and releases them.
void ReleaseRegistrations(const ExtensionModule& record) noexcept;
