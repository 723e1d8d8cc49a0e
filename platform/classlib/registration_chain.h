#pragma once

#include "platform/classlib/extension_module.h"

// Inside the class library: releases the registration objects made from
// record, or every one when allModules is true, taking them off the chain.
void ReleaseRegistrations(const ExtensionModule& record, bool allModules) noexcept;
