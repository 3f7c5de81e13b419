// g_scriptableClass: the NPClass of the plug-in's scriptable objects. Its callbacks turn the host's
// NPObject back into the plug-in's object and forward to its operations; none lets an exception out.
#pragma once

#include "npapi/NpapiTypes.h"

extern NPClass g_scriptableClass;
